// Device-style font creation and the Vietnamese glyph check.
#include "platform/gdi/Font.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <algorithm>
#include <cstdlib>

namespace velmora::gdi {

namespace {
const QStringList kTahomaSubstitutes = {QStringLiteral("DejaVu Sans Condensed"),
                                        QStringLiteral("DejaVu Sans")};
}

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), kTahomaSubstitutes);
}

QStringList familiesFor(const QString& face) {
    if (face.isEmpty() || face.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        return kTahomaSubstitutes;
    return QStringList{face} + kTahomaSubstitutes;
}

QFont makeFont(const QString& face, int pixelHeight, int weight, bool italic, Quality quality) {
    QFont font;
    font.setFamilies(familiesFor(face));
    font.setWeight(QFont::Weight(weight <= 0 ? 400 : std::clamp(weight, 100, 900)));
    font.setItalic(italic);
    font.setStyleStrategy(quality == Quality::ClearType ? QFont::PreferAntialias
                                                        : QFont::NoAntialias);
    int em = pixelHeight == 0 ? 12 : std::abs(pixelHeight);
    if (pixelHeight > 0) {
        // A positive height is the whole cell: find the em size whose cell fits it.
        font.setPixelSize(100);
        QFontMetrics fm(font);
        em = std::max(1, int(pixelHeight * 100.0 / (fm.ascent() + fm.descent())));
    }
    font.setPixelSize(em);
    return font;
}

QString vietnameseLetters() {
    static const QString lower = QStringLiteral("aàảãáạăằẳẵắặâầẩẫấậbcdđeèẻẽéẹêềểễếệghiìỉĩíịklmnoòỏõ"
                                                "óọôồổỗốộơờởỡớợpqrstuùủũúụưừửữứựvxyỳỷỹýỵ");
    return lower + lower.toUpper();
}

bool hasVietnameseGlyphs(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid()) return false;
    for (QChar c : vietnameseLetters())
        if (!raw.supportsCharacter(c)) return false;
    return true;
}

} // namespace velmora::gdi
