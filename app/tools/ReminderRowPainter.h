// Drawing one row of the reminder list: icon, bell, title and date on the first line, place on the
// second, in the row's colours.
#pragma once

#include "app/tools/ReminderList.h"

#include "platform/gdi/Bitmaps.h"

#include <QColor>
#include <QPainter>
#include <QRect>

namespace velmora::app {

struct RowColours {
    QColor highlight;     // a selected row's fill
    QColor highlightText; // and text
    QColor background;    // any other row's fill
    QColor line;          // the line along each row's bottom
};

// Paints row into rect (the row's whole cell, device pixels); icons from the scaled image strip.
void paintReminderRow(QPainter& painter, const QRect& rect, const ReminderRow& row, bool selected,
                      const gdi::ImageList& icons, const RowColours& colours);

} // namespace velmora::app
