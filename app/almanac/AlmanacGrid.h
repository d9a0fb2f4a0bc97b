// The almanac month panel's rules: its fields and cells, the days the cells show, keys and taps.
#pragma once

#include "VelmoraLib.h"
#include "platform/gdi/ColorRef.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceKey.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace velmora::app {

using velmora::screen::ScreenOrientation;

// The panel's fields; the almanac field is -1 when none is selected.
enum AlmanacField : int {
    AlmanacNoField = -1,
    AlmanacMonthLabel = 0,
    AlmanacYearLabel = 1,
    AlmanacDayGrid = 2,
    AlmanacLunarDayBox = 3,
    AlmanacLunarMonthBox = 4,
    AlmanacLunarYearBox = 5,
};
inline constexpr int kAlmanacFields = 6;
inline constexpr int kGridColumns = 7; // Monday .. Sunday
inline constexpr int kGridRows = 6;
inline constexpr int kGridCells = kGridColumns * kGridRows;

// The device theme's system colours the panel paints with, kept in one place.
struct SystemColours {
    COLORREF caption;     // the task bar's dark blue
    COLORREF captionText; // white
    COLORREF menuText;    // black
    COLORREF highlight;   // a lighter blue, under white text
};
inline constexpr SystemColours kSystemColours{
    velmora::gdi::RGB(0x12, 0x3a, 0x75), velmora::gdi::RGB(255, 255, 255),
    velmora::gdi::RGB(0, 0, 0), velmora::gdi::RGB(0x3b, 0x6e, 0xb4)};
inline constexpr COLORREF kGreyDayColour = velmora::gdi::RGB(192, 192, 192);
inline constexpr COLORREF kSaturdayColour = velmora::gdi::RGB(255, 153, 0);
inline constexpr COLORREF kSundayColour = velmora::gdi::RGB(255, 0, 0);

struct UnitBox {
    int left, top, right, bottom; // 96-dpi units
};

// A field's rectangle in 96-dpi units: Landscape has the lunar boxes at the right of the grid,
// Portrait and Square below it.
UnitBox almanacFieldUnits(int field, ScreenOrientation orientation);
// The same scaled (ScaleX for left and right, ScaleY for top and bottom); right and bottom
// exclusive.
QRect almanacFieldRect(int field, ScreenOrientation orientation);
// The first field whose rectangle holds the point strictly inside, or -1.
int almanacFieldAt(QPoint point, ScreenOrientation orientation);

// The month panel's height, and where the HTML viewer goes in a client area of that size.
// Square shares Portrait's layout: its lunar boxes lie below the grid, so a panel of the
// landscape height would cut them off.
int monthPanelHeight(ScreenOrientation orientation);
QRect readingViewerRect(QSize client, ScreenOrientation orientation);

// w1: the weekday (0 = Monday) of the first of the record's solar month.
int firstWeekday(const LICHVELMORA& day);
// t: the cell of the record's own day.
int currentCell(const LICHVELMORA& day);
// The cell in column x, row y (scaled; right and bottom exclusive, the row's last 2 units
// left as a gap).
QRect gridCellRect(int column, int row);

enum class CellMonth { Previous, Current, Next };

struct GridCell {
    int solarDay;
    CellMonth month;
    int lunarDay;
    COLORREF colour;
};

// What cell i (0..41) shows for the record's solar month.
GridCell gridCell(const LICHVELMORA& day, int index, const SystemColours& colours = kSystemColours);
// Days of the lunar month at month-table entry k: floor(dSoc[k+1] + 0.5) - floor(dSoc[k] + 0.5).
int lunarMonthDays(const LICHVELMORA& day, int k);
// The lunar day of cell i, counted from the record's own lunar day through the month table.
int gridLunarDay(const LICHVELMORA& day, int index);

// Texts of the panel.
QString solarMonthLabel(const LICHVELMORA& day); // "THÁNG  1"
QString solarYearLabel(const LICHVELMORA& day);  // "NĂM 2009"
QString lunarDayLabel(const LICHVELMORA& day);   // "Ngày 1"
QString lunarYearLabel(const LICHVELMORA& day);  // "Năm 2008" for a day of Mậu Tý

// Cursor modes: 2 the cursor follows CurrentDay's cell, 1 moved by the arrow keys, 0 closed.
enum CursorMode : int { CursorClosed = 0, CursorMoved = 1, CursorFollowsDay = 2 };

struct AlmanacGridState {
    int field = AlmanacNoField;
    int column = 0;
    int row = 0;
    int cursorMode = CursorClosed;

    // In mode 2 the cursor goes to the record's own cell.
    void followDay(const LICHVELMORA& day);
};

enum class GridAction { None, ChooseCell, OpenList };

// A key on the panel: digits select fields, arrows move in the grid or between fields,
// Enter chooses the cursor cell or opens the field's list. Handled: whether the key is the
// panel's (every digit, arrow and Enter).
struct KeyResult {
    bool handled = false;
    GridAction action = GridAction::None;
};
KeyResult gridKey(AlmanacGridState& state, velmora::shell::DeviceKey key, const LICHVELMORA& day);

// A tap: selects the field under it; in the grid's cells it also sets the cursor there and
// chooses the cell; on a label or box it opens the list.
GridAction gridTap(AlmanacGridState& state, QPoint point, ScreenOrientation orientation);

// Moves the record to the day of the cell in column x, row y (grey cells reach the previous or
// next month): nJD - nNgay + 1 + 7y + x - w1, converted with DAD_JD | DAD_DUONG.
void chooseGridCell(LICHVELMORA& day, int column, int row);

} // namespace velmora::app
