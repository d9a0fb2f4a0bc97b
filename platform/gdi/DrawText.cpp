// Line splitting, word wrapping and alignment for drawText.
#include "platform/gdi/DrawText.h"

#include <algorithm>

namespace velmora::gdi {

namespace {

// Breaks one paragraph at spaces so that each line fits width; a word wider than the
// rectangle keeps a line of its own.
QStringList wrapParagraph(const QFontMetrics& fm, const QString& para, int width) {
    QStringList lines;
    QString line;
    const QStringList words = para.split(QLatin1Char(' '));
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines;
}

} // namespace

int lineAscent(const QFontMetrics& fm) {
    static const QString tallest = QStringLiteral("ẤẦẨẪẬỖỠỮỸ");
    return std::max(fm.ascent(), -fm.tightBoundingRect(tallest).top() + 1);
}

int lineHeight(const QFontMetrics& fm) {
    return lineAscent(fm) + fm.descent();
}

std::vector<TextLine> layoutText(const QFontMetrics& fm, const QRect& rect, const QString& text,
                                 unsigned flags) {
    QStringList lines;
    if (flags & DT_SINGLELINE) {
        QString one = text;
        one.replace(QLatin1String("\r\n"), QLatin1String(" "));
        one.replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines << one;
    } else {
        for (const QString& para : text.split(QLatin1Char('\n'))) {
            QString p = para;
            if (p.endsWith(QLatin1Char('\r'))) p.chop(1);
            if (flags & DT_WORDBREAK)
                lines << wrapParagraph(fm, p, rect.width());
            else
                lines << p; // without DT_WORDBREAK a line is never wrapped
        }
    }

    const int height = lineHeight(fm);
    const int blockHeight = height * int(lines.size());
    // On the device DT_VCENTER and DT_BOTTOM act only with DT_SINGLELINE; our programs ask for
    // them on multi-line text and mean it, so the block is aligned either way.
    int y = rect.top();
    if (flags & DT_BOTTOM)
        y = rect.top() + rect.height() - blockHeight;
    else if (flags & DT_VCENTER)
        y = rect.top() + (rect.height() - blockHeight) / 2;

    std::vector<TextLine> out;
    for (const QString& line : lines) {
        const int w = fm.horizontalAdvance(line);
        int x = rect.left();
        if (flags & DT_RIGHT)
            x = rect.left() + rect.width() - w;
        else if (flags & DT_CENTER)
            x = rect.left() + (rect.width() - w) / 2;
        out.push_back({line, QRect(x, y, w, height)});
        y += height;
    }
    return out;
}

void drawText(QPainter& painter, const QRect& rect, const QString& text, unsigned flags) {
    const QFontMetrics fm(painter.font());
    painter.save();
    if (!(flags & DT_NOCLIP)) painter.setClipRect(rect, Qt::IntersectClip);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const TextLine& line : layoutText(fm, rect, text, flags))
        painter.drawText(QPoint(line.box.left(), line.box.top() + lineAscent(fm)), line.text);
    painter.restore();
}

} // namespace velmora::gdi
