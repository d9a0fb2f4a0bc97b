// The almanac month panel's rules: geometry, cell contents, keys, taps and choosing a cell.
#include "app/almanac/AlmanacGrid.h"
#include "VelmoraDay.h"

#include <algorithm>
#include <cmath>

namespace velmora::app {

using velmora::screen::ScaleX;
using velmora::screen::ScaleY;
using velmora::shell::DeviceKey;

namespace {

constexpr UnitBox kLandscapeFields[kAlmanacFields] = {
    {10, 2, 110, 20},  {130, 2, 229, 20},  {1, 1, 239, 110},
    {241, 1, 319, 36}, {241, 38, 319, 73}, {241, 75, 319, 110},
};
constexpr UnitBox kPortraitFields[kAlmanacFields] = {
    {10, 2, 110, 20},  {130, 2, 229, 20},   {1, 1, 239, 110},
    {1, 112, 79, 147}, {81, 112, 159, 147}, {161, 112, 239, 147},
};

// Cells: column x spans 11 + 31x to 11 + 31(x + 1); row y from 24 + 14y, 12 units high.
constexpr int kGridLeft = 11, kCellWidth = 31, kGridTop = 24, kRowPitch = 14, kRowGap = 2;

int mod(int a, int n) {
    return ((a % n) + n) % n;
}

// The lunar day of a day offset from the record's own, by converting that day afresh: used
// where the walk through the month table would leave the table.
int convertedLunarDay(const LICHVELMORA& day, int offset) {
    LICHVELMORA other = day;
    other.nJD = day.nJD + offset;
    DoiAmDuong(&other, DAD_JD | DAD_DUONG);
    return other.nNgayAm;
}

constexpr int kLastMonthEntry = 14; // dSoc[k + 1] must exist

} // namespace

UnitBox almanacFieldUnits(int field, ScreenOrientation orientation) {
    if (field < 0 || field >= kAlmanacFields) return {0, 0, 0, 0};
    return orientation == velmora::screen::Landscape ? kLandscapeFields[field]
                                                     : kPortraitFields[field];
}

QRect almanacFieldRect(int field, ScreenOrientation orientation) {
    const UnitBox u = almanacFieldUnits(field, orientation);
    return QRect(QPoint(ScaleX(u.left), ScaleY(u.top)),
                 QPoint(ScaleX(u.right) - 1, ScaleY(u.bottom) - 1));
}

int almanacFieldAt(QPoint point, ScreenOrientation orientation) {
    for (int field = 0; field < kAlmanacFields; ++field) {
        const UnitBox u = almanacFieldUnits(field, orientation);
        // Strictly inside: a tap on an edge selects nothing.
        if (ScaleX(u.left) < point.x() && point.x() < ScaleX(u.right) &&
            ScaleY(u.top) < point.y() && point.y() < ScaleY(u.bottom))
            return field;
    }
    return AlmanacNoField;
}

int monthPanelHeight(ScreenOrientation orientation) {
    return orientation == velmora::screen::Landscape ? ScaleY(110) : ScaleY(147);
}

QRect readingViewerRect(QSize client, ScreenOrientation orientation) {
    const bool below = orientation != velmora::screen::Landscape;
    const int top = below ? ScaleY(149) : ScaleY(112);
    const int height = client.height() - (below ? ScaleY(150) : ScaleY(114));
    return QRect(ScaleX(1), top, client.width() - ScaleX(2), std::max(0, height));
}

int firstWeekday(const LICHVELMORA& day) {
    return mod(day.nThu - day.nNgay + 36, 7);
}

int currentCell(const LICHVELMORA& day) {
    return day.nNgay + firstWeekday(day) - 1;
}

QRect gridCellRect(int column, int row) {
    const int left = ScaleX(kGridLeft + kCellWidth * column);
    const int right = ScaleX(kGridLeft + kCellWidth * (column + 1));
    const int top = ScaleY(kGridTop + kRowPitch * row);
    const int bottom = ScaleY(kGridTop + kRowPitch * (row + 1) - kRowGap);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int lunarMonthDays(const LICHVELMORA& day, int k) {
    return k < 0 || k > kLastMonthEntry ? 0 : velmora::lunarMonthLength(day, k);
}

int gridLunarDay(const LICHVELMORA& day, int index) {
    const int offset = index - currentCell(day);
    int n = day.nNgayAm + offset;
    // Forward: past this month's end into the next ones (a grid can span two month ends).
    if (n > day.nSoNgayThangAm) {
        n -= day.nSoNgayThangAm;
        for (int k = day.nChiSoThang + 1; n > lunarMonthDays(day, k); ++k) {
            if (k > kLastMonthEntry) return convertedLunarDay(day, offset);
            n -= lunarMonthDays(day, k);
        }
        return n;
    }
    // Backward: add the lengths of the months before, as far as needed.
    for (int k = day.nChiSoThang - 1; n < 1; --k) {
        if (k < 0) return convertedLunarDay(day, offset);
        n += lunarMonthDays(day, k);
    }
    return n;
}

GridCell gridCell(const LICHVELMORA& day, int index, const SystemColours& colours) {
    const int w1 = firstWeekday(day);
    GridCell cell{};
    if (index < w1) {
        const int previousLength = day.nThang == 1 ? 31 : SoNgayCuaThang(day.nThang - 1, day.nNam);
        cell.solarDay = previousLength - w1 + index + 1;
        cell.month = CellMonth::Previous;
        cell.colour = kGreyDayColour;
    } else if (index - w1 + 1 > day.nSoNgay) {
        cell.solarDay = index - w1 - day.nSoNgay + 1;
        cell.month = CellMonth::Next;
        cell.colour = kGreyDayColour;
    } else {
        cell.solarDay = index - w1 + 1;
        cell.month = CellMonth::Current;
        const int column = index % kGridColumns;
        if (index == currentCell(day))
            cell.colour = colours.captionText;
        else if (column == 5)
            cell.colour = kSaturdayColour;
        else if (column == 6)
            cell.colour = kSundayColour;
        else
            cell.colour = colours.menuText;
    }
    cell.lunarDay = gridLunarDay(day, index);
    return cell;
}

QString solarMonthLabel(const LICHVELMORA& day) {
    return QStringLiteral("THÁNG %1").arg(day.nThang, 2);
}

QString solarYearLabel(const LICHVELMORA& day) {
    return QStringLiteral("NĂM %1").arg(day.nNam);
}

QString lunarDayLabel(const LICHVELMORA& day) {
    return QStringLiteral("Ngày %1").arg(day.nNgayAm);
}

QString lunarYearLabel(const LICHVELMORA& day) {
    return QStringLiteral("Năm %1").arg(velmora::lunarYearOf(day), 4, 10, QLatin1Char('0'));
}

void AlmanacGridState::followDay(const LICHVELMORA& day) {
    if (cursorMode != CursorFollowsDay) return;
    const int t = std::clamp(currentCell(day), 0, kGridCells - 1);
    column = t % kGridColumns;
    row = t / kGridColumns;
}

KeyResult gridKey(AlmanacGridState& s, DeviceKey key, const LICHVELMORA& day) {
    s.followDay(day);
    KeyResult result{true, GridAction::None};
    const bool inGrid = s.field == AlmanacDayGrid;
    const auto previousField = [&] { s.field = s.field <= 0 ? AlmanacLunarYearBox : s.field - 1; };
    const auto nextField = [&] {
        s.field = s.field >= AlmanacLunarYearBox ? AlmanacMonthLabel : s.field + 1;
    };
    switch (key) {
    case DeviceKey::Digit1:
        s.field = AlmanacMonthLabel;
        break;
    case DeviceKey::Digit3:
        s.field = AlmanacYearLabel;
        break;
    case DeviceKey::Digit4:
        s.field = AlmanacLunarDayBox;
        break;
    case DeviceKey::Digit5:
        s.field = AlmanacLunarMonthBox;
        break;
    case DeviceKey::Digit6:
        s.field = AlmanacLunarYearBox;
        break;
    case DeviceKey::Digit0:
    case DeviceKey::Digit2:
    case DeviceKey::Digit7:
    case DeviceKey::Digit8:
    case DeviceKey::Digit9:
        break; // the panel takes every key; these do nothing
    case DeviceKey::Left:
        if (inGrid && s.column > 0) {
            --s.column;
            s.cursorMode = CursorMoved;
        } else {
            previousField();
        }
        break;
    case DeviceKey::Up:
        if (inGrid && s.row > 0) {
            --s.row;
            s.cursorMode = CursorMoved;
        } else {
            previousField();
        }
        break;
    case DeviceKey::Right:
        if (inGrid && s.column < kGridColumns - 1) {
            ++s.column;
            s.cursorMode = CursorMoved;
        } else {
            nextField();
        }
        break;
    case DeviceKey::Down:
        if (inGrid && s.row < kGridRows - 1) {
            ++s.row;
            s.cursorMode = CursorMoved;
        } else {
            nextField();
        }
        break;
    case DeviceKey::Enter:
        if (inGrid)
            result.action = GridAction::ChooseCell;
        else if (s.field >= 0)
            result.action = GridAction::OpenList;
        break;
    default:
        result.handled = false;
    }
    return result;
}

GridAction gridTap(AlmanacGridState& s, QPoint point, ScreenOrientation orientation) {
    s.field = almanacFieldAt(point, orientation);
    if (s.field == AlmanacNoField) return GridAction::None;
    if (s.field != AlmanacDayGrid) return GridAction::OpenList;
    // Only the cells choose a day: the header strip and the margins around the cells, which
    // belong to no cell, leave the cursor where it is.
    const QRect cells(QPoint(ScaleX(kGridLeft), ScaleY(kGridTop)),
                      QPoint(ScaleX(kGridLeft + kCellWidth * kGridColumns) - 1,
                             ScaleY(kGridTop + kRowPitch * kGridRows) - 1));
    if (!cells.contains(point)) return GridAction::None;
    s.column = std::min((point.x() - ScaleX(kGridLeft)) / ScaleX(kCellWidth), kGridColumns - 1);
    s.row = std::min((point.y() - ScaleY(kGridTop)) / ScaleY(kRowPitch), kGridRows - 1);
    return GridAction::ChooseCell;
}

void chooseGridCell(LICHVELMORA& day, int column, int row) {
    day.nJD = day.nJD - day.nNgay + 1 + kGridColumns * row + column - firstWeekday(day);
    DoiAmDuong(&day, DAD_JD | DAD_DUONG);
}

} // namespace velmora::app
