// The reminder row's drawing, every length in 96-dpi units scaled to the screen.
#include "app/tools/ReminderRowPainter.h"

#include "app/tools/ReminderIcons.h"

#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/screen/ScreenProfile.h"

#include <algorithm>

namespace velmora::app {

using namespace velmora::reminders;
using screen::ScaleX;
using screen::ScaleY;

namespace {

QString text(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

} // namespace

void paintReminderRow(QPainter& p, const QRect& r, const ReminderRow& row, bool selected,
                      const gdi::ImageList& icons, const RowColours& colours) {
    p.save();
    p.fillRect(r, selected ? colours.highlight : colours.background);
    const QColor ink = selected ? colours.highlightText : gdi::fromColorRef(rowTextColour(row));

    icons.draw(p, row.image, r.topLeft() + QPoint(ScaleX(2), ScaleY(4)));
    // The bell sits at the right end of the first line, wholly inside the row; the date ends
    // just left of it, so neither covers the other.
    const int bellLeft = r.right() + 1 - ScaleX(kReminderIconSize + 2);
    if (rowHasBell(row)) icons.draw(p, kReminderBellImage, QPoint(bellLeft, r.top() + ScaleY(1)));

    p.setPen(ink);
    p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -ScaleX(11), 700));
    const QFontMetrics bold(p.font());
    const int firstLine = gdi::lineHeight(bold);
    const QString date = text(row.columns[ColumnDate]);
    const int dateRight = bellLeft - ScaleX(2);
    const int dateLeft =
        std::min(r.right() + 1 - ScaleX(48), dateRight - bold.horizontalAdvance(date));
    const int textLeft = r.left() + ScaleX(26);
    gdi::drawText(p, QRect(textLeft, r.top(), dateLeft - ScaleX(2) - textLeft, firstLine),
                  text(row.columns[ColumnTitle]), gdi::DT_LEFT | gdi::DT_SINGLELINE);
    gdi::drawText(p, QRect(dateLeft, r.top(), dateRight - dateLeft, firstLine), date,
                  gdi::DT_RIGHT | gdi::DT_SINGLELINE);

    p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -ScaleX(9), 400));
    const int secondTop = std::max(r.top() + ScaleY(14), r.top() + firstLine - ScaleY(2));
    const QRect second(textLeft, secondTop, dateLeft - ScaleX(2) - textLeft,
                       r.bottom() - secondTop);
    gdi::drawText(p, second, text(row.columns[ColumnPlace]), gdi::DT_LEFT | gdi::DT_SINGLELINE);

    p.setPen(colours.line);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.restore();
}

} // namespace velmora::app
