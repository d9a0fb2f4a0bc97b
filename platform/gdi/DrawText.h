// Text drawn in a rectangle with the device's alignment flags (DT_*), background transparent.
#pragma once

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

namespace velmora::gdi {

// Values as the device defines them.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
};

struct TextLine {
    QString text;
    QRect box; // where the line's cell (advance width × font height) goes
};

// The height of one line and its baseline offset: room for Vietnamese capitals with stacked
// diacritics (Ấ, Ỗ), which rise above the font's own ascent and would be clipped at the top.
int lineAscent(const QFontMetrics& fm);
int lineHeight(const QFontMetrics& fm);

// Splits and places the text's lines in rect as drawText draws them.
std::vector<TextLine> layoutText(const QFontMetrics& fm, const QRect& rect, const QString& text,
                                 unsigned flags);

// Draws with the painter's font and pen; nothing is drawn behind the text.
void drawText(QPainter& painter, const QRect& rect, const QString& text, unsigned flags);

} // namespace velmora::gdi
