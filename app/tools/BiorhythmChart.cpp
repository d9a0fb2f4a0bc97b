// The chart's numbers.
#include "app/tools/BiorhythmChart.h"

#include "app/res/CommandIds.h"

#include <cmath>
#include <numbers>

namespace velmora::app {

using biorhythm::kCycles;

namespace {

constexpr int kCycleCommands[6] = {CmdBiorhythmEnergy,    CmdBiorhythmEmotion,
                                   CmdBiorhythmIntellect, CmdBiorhythmIntuition,
                                   CmdBiorhythmSpiritual, CmdBiorhythmAesthetic};

// R: RoundDouble to 0 decimals, then truncated.
int rounded(double x) {
    return static_cast<int>(RoundDouble(x, 0));
}

int modulo(int a, int n) {
    return ((a % n) + n) % n;
}

} // namespace

int cycleCommand(int cycle) {
    return kCycleCommands[cycle];
}

int cycleOfCommand(int command) {
    for (int c = 0; c < 6; ++c)
        if (kCycleCommands[c] == command) return c;
    return -1;
}

bool cycleShown(const BiorhythmSettings& s, int cycle) {
    return s.show[kCycleFlagByte[cycle]] == 1;
}

void toggleCycle(BiorhythmSettings& s, int cycle) {
    uint8_t& flag = s.show[kCycleFlagByte[cycle]];
    flag = flag == 1 ? 0 : 1;
}

ChartGeometry chartGeometry(screen::ScreenOrientation orientation) {
    ChartGeometry g;
    g.unit = orientation == screen::Square ? 8 : 10;
    g.zero = orientation == screen::Landscape ? 70 : orientation == screen::Portrait ? 100 : 85;
    return g;
}

int julianDay(const QDate& d) {
    return static_cast<int>(JD(d.day(), d.month(), d.year(), 12.0));
}

ChartDays chartDays(const QDate& birth, const QDate& spanStart, const QDate& viewDay) {
    ChartDays days;
    days.sinceBirth = julianDay(spanStart) - julianDay(birth);
    days.viewOffset = julianDay(viewDay) - julianDay(spanStart);
    if (days.viewOffset < 0 || days.viewOffset > kSpanDays) {
        days.viewOffset = 0;
        days.viewReset = true;
    }
    return days;
}

std::vector<QPoint> curvePoints(const ChartGeometry& g, int sinceBirth, int period) {
    const double swing = 5.0 * g.unit;
    const double twoPi = 2.0 * std::numbers::pi;
    std::vector<QPoint> points;
    points.push_back({g.left, g.zero - rounded(swing * std::sin(twoPi * sinceBirth / period))});
    for (int j = 0; j < kSpanDays * g.step; ++j)
        points.push_back(
            {g.left + j, g.zero - rounded(swing * std::sin(twoPi * (g.step * sinceBirth + j) /
                                                           (g.step * period)))});
    return points;
}

QString legendText(int cycle, int sinceBirth, int viewOffset) {
    return QStringLiteral("%1: %2")
        .arg(QString::fromUtf16(kCycles[cycle].name))
        .arg(biorhythm::cycleValue(sinceBirth + viewOffset, kCycles[cycle].period));
}

QRect legendBox(const ChartGeometry& g, int cycle) {
    // x from, x to (in days s), first or second legend line; in the cycles' drawing order.
    static constexpr int boxes[6][3] = {{2, 18, 0}, {19, 32, 0}, {33, 46, 0},
                                        {2, 16, 1}, {17, 31, 1}, {32, 48, 1}};
    const int top = g.axis() + (boxes[cycle][2] == 0 ? 20 : 35);
    return QRect(QPoint(boxes[cycle][0] * g.step, top),
                 QPoint(boxes[cycle][1] * g.step - 1, top + 14));
}

bool stripShown(const BiorhythmSettings& s) {
    // A damaged file may hold any length; beyond a year there is no cycle to draw. Nor is there
    // one without a real day of the last period to count from.
    const SYSTEMTIME& last = s.lastPeriod;
    return s.showStrip == 1 && s.averageLength > 20 && s.averageLength <= kLongestDrawnCycle &&
           QDate(last.wYear, last.wMonth, last.wDay).isValid();
}

std::optional<COLORREF> stripColour(int k, int a) {
    // The phases of the cycle, in order; a later rule that holds covers an earlier one.
    std::optional<COLORREF> colour;
    if (0 <= k && k < 4) colour = 0x006600;                                  // period: dark green
    if (4 <= k && k < 7) colour = 0x00FF00;                                  // after: green
    if ((7 <= k && k < 12) || (a - 11 <= k && k < a - 7)) colour = 0x00FFFF; // yellow
    if ((12 <= k && k < a - 15) || (a - 12 <= k && k < a - 11)) colour = 0x0099FF; // orange
    if (a - 15 <= k && k < a - 12) colour = 0x0000FF;                              // fertile: red
    if (a - 7 <= k && k < a) colour = 0x339933; // before: grey-green
    return colour;
}

int cycleDay(int i, const QDate& lastPeriod, const QDate& spanStart, int a) {
    const int r = modulo(julianDay(lastPeriod) - julianDay(spanStart), a);
    return modulo(i - r, a);
}

std::vector<QString> dateLabels(const QDate& spanStart) {
    std::vector<QString> labels;
    int day = spanStart.day(), month = spanStart.month(), year = spanStart.year();
    for (int n = 0; n <= kSpanDays; n += 10) {
        labels.push_back(QStringLiteral("%1/%2").arg(day).arg(month));
        day += 10;
        while (day > SoNgayCuaThang(month, year)) {
            day -= SoNgayCuaThang(month, year);
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    return labels;
}

} // namespace velmora::app
