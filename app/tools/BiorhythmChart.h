// The biorhythm chart's rules, without a screen: its geometry by screen shape, the days it spans,
// the curves' points, the legend's values, the menstrual strip's colours and the date labels. All
// lengths in 96-dpi units.
#pragma once

#include "app/tools/BiorhythmSettings.h"

#include "platform/screen/ScreenProfile.h"
#include "suite/biorhythm/BiorhythmCycles.h"

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace velmora::app {

inline constexpr int kSpanDays = 40;
inline constexpr unsigned kLongestDrawnCycle = 366;

// Per cycle, in drawing order (biorhythm::kCycles): its byte in the settings and its menu
// command.
inline constexpr int kCycleFlagByte[6] = {0, 1, 2, 3, 5, 4};
int cycleCommand(int cycle);
// The cycle a menu command toggles, or -1.
int cycleOfCommand(int command);
bool cycleShown(const BiorhythmSettings& settings, int cycle);
void toggleCycle(BiorhythmSettings& settings, int cycle);

struct ChartGeometry {
    int left = 20;                               // L: the y axis
    int step = 5;                                // s: one day
    int unit = 10;                               // u: a tenth of the swing
    int zero = 70;                               // T: the zero line below the client top
    int axis() const { return zero + 7 * unit; } // the x axis
};
ChartGeometry chartGeometry(screen::ScreenOrientation orientation);

// J(x): the Julian day number of a day, JD at noon truncated.
int julianDay(const QDate& date);

struct ChartDays {
    int sinceBirth = 0;     // D = J(span start) - J(birth)
    int viewOffset = 0;     // v = J(view day) - J(span start), 0..40
    bool viewReset = false; // the view day lay outside the span and moves to its start
};
ChartDays chartDays(const QDate& birth, const QDate& spanStart, const QDate& viewDay);

// The curve of a cycle of period P: its 40 s points, from (L, ...) one unit apart.
std::vector<QPoint> curvePoints(const ChartGeometry& g, int sinceBirth, int period);
// The legend: "%s: %d" with the cycle's name and its value on the view day, -50..50.
QString legendText(int cycle, int sinceBirth, int viewOffset);
// The legend's box of a cycle, in the client (x from the left, y below the client top).
QRect legendBox(const ChartGeometry& g, int cycle);

// The menstrual strip: whether it is drawn (its flag set and an average longer than 20 days, up
// to kLongestDrawnCycle), and the colour (0x00BBGGRR) of day k of the cycle
// (0 = a period's first day), the last of the rules that hold; none when no rule holds.
bool stripShown(const BiorhythmSettings& settings);
std::optional<COLORREF> stripColour(int k, int averageLength);
// Day i (0..39) of the span as day k of the cycle, for a last period on lastPeriod.
int cycleDay(int i, const QDate& lastPeriod, const QDate& spanStart, int averageLength);

// "%d/%d" (day, month) of the span start plus 0, 10, 20, 30 and 40 days, the day carried into
// the next month (and year) whenever it passes the month's length.
std::vector<QString> dateLabels(const QDate& spanStart);

} // namespace velmora::app
