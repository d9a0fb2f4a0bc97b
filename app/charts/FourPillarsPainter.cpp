// The four-pillars painter and the column contents.
#include "app/charts/FourPillarsPainter.h"

#include "app/charts/ChartPainting.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/screen/ScreenProfile.h"

#include <QFontMetrics>

namespace velmora::app {

using charts::kNone;
using charts::PillarSet;
using screen::ScaleX;
using screen::ScaleY;

namespace {

const QColor kTenGodColour(0xFF, 0x00, 0xFF);
const QColor kAgeColour = gdi::fromColorRef(0x000080);
const QColor kFrameColour(0xA0, 0xA0, 0xA0);
const QColor kHeaderColour(0x60, 0x60, 0x60);
const QColor kSelectedFrame(0, 0, 128);

QString text(std::u16string_view s) {
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

ColumnLine plain(const QString& t, const QColor& colour, bool bold = false) {
    ColumnLine line;
    line.text = t;
    line.colour = colour;
    line.bold = bold;
    return line;
}

QColor stemColour(int stem) {
    return stem < 0 ? Qt::black : elementColour(g_10Can[stem].nHanh);
}
QColor branchColour(int branch) {
    return elementColour(g_12Chi[branch].nHanh);
}

// Ten gods and stages have long names for wide columns.
ColumnLine tenGodLine(int tenGod) {
    ColumnLine line = plain(text(charts::tenGodName(tenGod, true)), kTenGodColour);
    line.longText = text(charts::tenGodName(tenGod, false));
    return line;
}
ColumnLine stageLine(int stage) {
    ColumnLine line = plain(text(charts::lifeStageName(stage, true)), Qt::black);
    line.longText = text(charts::lifeStageName(stage, false));
    return line;
}
ColumnLine stemLine(int stem) {
    return plain(text(g_sCan[stem]), stemColour(stem), true);
}
ColumnLine branchLine(int branch) {
    return plain(text(g_sChi[branch]), branchColour(branch), true);
}
ColumnLine soundLine(int index) {
    const HOAGIAP& sound = g_30HoaGiap[((index % 60) + 60) % 60 / 2];
    return plain(text(sound.szTen), elementColour(sound.nHanh));
}

// The hidden stems as three lines of three parts: names, ten gods, stages.
void addHidden(std::vector<ColumnLine>& lines, const std::int32_t (&hidden)[3],
               const std::int32_t (&gods)[3], const std::int32_t (&stages)[3]) {
    ColumnLine names, godLine, stageRow;
    for (int i = 0; i < 3; ++i) {
        const bool none = hidden[i] == kNone;
        names.parts.push_back(none ? ColumnLine{}
                                   : plain(text(g_sCan[hidden[i]]), stemColour(hidden[i])));
        godLine.parts.push_back(none ? ColumnLine{}
                                     : plain(text(charts::tenGodName(gods[i], true)), Qt::black));
        stageRow.parts.push_back(
            none ? ColumnLine{} : plain(text(charts::lifeStageName(stages[i], true)), Qt::black));
    }
    lines.push_back(names);
    lines.push_back(godLine);
    lines.push_back(stageRow);
}

constexpr int kPillarRows = 9; // header, god, stem, branch, stage, sound, three hidden lines
constexpr int kYearRows = 5;

int innerWidth(int columnWidth) {
    return columnWidth - 2 * ScaleX(2);
}
int rowHeightOf(int bandHeight, int rows) {
    return (bandHeight - 2 * ScaleY(2)) / rows;
}

// The fonts of one band: one for whole lines, one for the hidden stems' three parts, each as
// large as the rows allow (at most 11 units) and small enough for every text of the band, so
// that a band reads in one size.
struct BandFonts {
    QFont line;
    QFont part;
};

BandFonts bandFonts(const std::vector<std::vector<ColumnLine>>& columns, int columnWidth,
                    int rowHeight) {
    QFont base = chartFont(11, true);
    base.setPixelSize(std::max(5, std::min(base.pixelSize(), rowHeight * 4 / 5)));
    BandFonts fonts{base, base};
    const int whole = innerWidth(columnWidth), third = whole / 3;
    for (const auto& lines : columns)
        for (const ColumnLine& line : lines) {
            if (line.parts.empty()) {
                fonts.line = fitFont(fonts.line, line.text, whole, 5);
                continue;
            }
            for (const ColumnLine& part : line.parts)
                fonts.part = fitFont(fonts.part, part.text, third, 5);
        }
    fonts.part.setPixelSize(std::min(fonts.part.pixelSize(), fonts.line.pixelSize()));
    return fonts;
}

void paintColumn(QPainter& p, const QRect& box, const std::vector<ColumnLine>& lines, int rows,
                 const BandFonts& fonts, bool selected) {
    p.setPen(selected ? QPen(kSelectedFrame, std::max(1, ScaleX(1))) : QPen(kFrameColour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(1, 1, -2, -2));
    const int rowHeight = rowHeightOf(box.height(), rows);
    auto draw = [&](const ColumnLine& line, const QRect& r, const QFont& font) {
        if (line.text.isEmpty()) return;
        QFont f = font;
        f.setBold(line.bold);
        // The long name where it fits; the short one was measured to fit.
        const bool wide = !line.longText.isEmpty() &&
                          QFontMetrics(f).horizontalAdvance(line.longText) <= r.width();
        p.setFont(f);
        p.setPen(line.colour);
        gdi::drawText(p, r, wide ? line.longText : line.text,
                      gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE | gdi::DT_NOCLIP);
    };
    for (int i = 0; i < int(lines.size()) && i < rows; ++i) {
        const QRect row(box.left() + ScaleX(2), box.top() + ScaleY(2) + i * rowHeight,
                        innerWidth(box.width()), rowHeight);
        if (lines[i].parts.empty()) {
            draw(lines[i], row, fonts.line);
            continue;
        }
        const int part = row.width() / 3;
        for (int k = 0; k < 3; ++k)
            draw(lines[i].parts[k], QRect(row.left() + k * part, row.top(), part, row.height()),
                 fonts.part);
    }
}

} // namespace

std::vector<ColumnLine> pillarColumn(const PillarSet& set, int pillar) {
    static const char* const headers[4] = {"Năm", "Tháng", "Ngày", "Giờ"};
    const charts::Pillar& p = set.pillars[pillar];
    std::vector<ColumnLine> lines = {plain(QString::fromUtf8(headers[pillar]), kHeaderColour),
                                     tenGodLine(p.tenGod),
                                     stemLine(p.stem),
                                     branchLine(p.branch),
                                     stageLine(p.stageOwn),
                                     soundLine(p.index)};
    addHidden(lines, p.hidden, p.hiddenTenGod, p.hiddenStage);
    return lines;
}

std::vector<ColumnLine> luckColumn(const PillarSet& set, int column) {
    const charts::LuckPillar& l = set.lucks[column];
    std::vector<ColumnLine> lines = {
        plain(QString::fromStdU16String(charts::luckAgeText(l.age)), kAgeColour),
        tenGodLine(l.tenGod),
        stemLine(l.stem),
        branchLine(l.branch),
        stageLine(l.stageOwn),
        soundLine(l.index)};
    addHidden(lines, l.hidden, l.hiddenTenGod, l.hiddenStage);
    return lines;
}

std::vector<ColumnLine> yearColumn(const PillarSet& set, int column) {
    const charts::YearPillar& y = set.years[column];
    return {tenGodLine(y.tenGod), stemLine(y.stem), branchLine(y.branch),
            plain(QString::fromStdU16String(charts::yearAgeText(set, y.age)), kAgeColour),
            stageLine(y.stageOwn)};
}

int luckColumnAt(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return -1;
    if (3 * y / height != 1) return -1;
    return 4 * x / width;
}

void paintFourPillars(QPainter& p, QSize size, const PillarSet& set) {
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (set.day.nNam == 0) {
        p.setFont(chartFont(11));
        p.setPen(Qt::black);
        gdi::drawText(
            p, QRect(QPoint(0, 0), size).adjusted(ScaleX(8), ScaleY(8), -ScaleX(8), -ScaleY(8)),
            QStringLiteral("Chưa có lá số. Chọn \"Lá số mới\" để nhập ngày giờ sinh, hoặc "
                           "\"Mở lưu kiện\" để chọn một người đã lưu (menu \"Mục chọn\", "
                           "hoặc chạm giữ)."),
            gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_WORDBREAK);
        return;
    }
    const int bandHeight = size.height() / 3;
    const int w4 = size.width() / 4;
    std::vector<std::vector<ColumnLine>> pillars, lucks, years;
    for (int i = 0; i < 4; ++i) {
        pillars.push_back(pillarColumn(set, i));
        lucks.push_back(luckColumn(set, i));
    }
    for (int i = 0; i < charts::kYearColumns; ++i) years.push_back(yearColumn(set, i));
    std::vector<std::vector<ColumnLine>> upper = pillars;
    upper.insert(upper.end(), lucks.begin(), lucks.end());
    const BandFonts upperFonts = bandFonts(upper, w4, rowHeightOf(bandHeight, kPillarRows));
    const BandFonts yearFonts =
        bandFonts(years, size.width() / charts::kYearColumns, rowHeightOf(bandHeight, kYearRows));
    for (int i = 0; i < 4; ++i) {
        paintColumn(p, QRect(i * w4, 0, w4, bandHeight), pillars[i], kPillarRows, upperFonts,
                    false);
        paintColumn(p, QRect(i * w4, bandHeight, w4, bandHeight), lucks[i], kPillarRows, upperFonts,
                    set.firstLuck + i == set.selectedLuck);
    }
    for (int i = 0; i < charts::kYearColumns; ++i) {
        const int left = i * size.width() / charts::kYearColumns;
        const int right = (i + 1) * size.width() / charts::kYearColumns;
        paintColumn(p, QRect(left, 2 * bandHeight, right - left, bandHeight), years[i], kYearRows,
                    yearFonts, false);
    }
}

} // namespace velmora::app
