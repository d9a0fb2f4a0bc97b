// Tests of when reminders fall. The truth for lunar dates is the calendar itself: every day of
// 1900–2101 converted solar to lunar, as the day page shows it; for solar dates it is the
// standard library's calendar. Named cases are worked by hand from the published calendar.
#include "suite/reminders/Occurrence.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include "VelmoraDay.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

using namespace velmora::reminders;
using velmora::reminders::testing::reminder;
namespace chr = std::chrono;

namespace {

// (lunar year, month, leap, day) of every day from 1 January 1900 to 1 March 2101.
class ConvertedDays {
  public:
    using Key = std::tuple<int, int, bool, int>;
    static const ConvertedDays& get() {
        static const ConvertedDays days;
        return days;
    }
    std::optional<CivilDate> find(int lunarYear, int month, bool leap, int day) const {
        const auto it = map_.find({lunarYear, month, leap, day});
        if (it == map_.end()) return std::nullopt;
        return it->second;
    }
    int leapMonths() const { return leapMonths_; }

  private:
    ConvertedDays() {
        LICHVELMORA rec = velmora::freshDay(1, 1, 1900);
        int lunarYear = 1899; // 1 January 1900 lies in month 12 of lunar 1899
        while (rec.nNam < 2101 || rec.nThang < 3) {
            if (rec.nNgayAm == 1 && rec.nThangAm == 1 && !rec.bNhuan) ++lunarYear;
            if (rec.nNgayAm == 1 && rec.bNhuan) ++leapMonths_;
            map_[{lunarYear, rec.nThangAm, rec.bNhuan != 0, rec.nNgayAm}] =
                CivilDate{rec.nNam, rec.nThang, rec.nNgay};
            ++rec.nJD;
            DoiAmDuong(&rec, DAD_JD | DAD_DUONG);
        }
    }
    std::map<Key, CivilDate> map_;
    int leapMonths_ = 0;
};

// Where a lunar reminder of day/month falls in a lunar year by the converted days: its ordinary
// month (never the leap repeat), day 30 of a 29-day month on the 29th.
std::optional<CivilDate> expectedLunar(int lunarYear, int month, int day) {
    const ConvertedDays& days = ConvertedDays::get();
    if (auto d = days.find(lunarYear, month, false, day)) return d;
    if (day == 30) return days.find(lunarYear, month, false, 29);
    return std::nullopt;
}

std::optional<CivilDate> expectedSolar(int year, int month, int day) {
    const chr::year_month_day_last last{chr::year{year} / chr::month{unsigned(month)} / chr::last};
    return CivilDate{year, month, std::min(day, int(unsigned(last.day())))};
}

CivilDate shifted(const CivilDate& d, int days) {
    const chr::year_month_day ymd{chr::sys_days{chr::year{d.year} / chr::month{unsigned(d.month)} /
                                                chr::day{unsigned(d.day)}} +
                                  chr::days{days}};
    return CivilDate{int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

TEST(Occurrence, EveryLunarDateOf1900To2099FallsWhereTheCalendarPutsIt) {
    int checked = 0, shortMonths = 0;
    for (int year = 1900; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15, 29, 30}) {
                const std::optional<CivilDate> want = expectedLunar(year, month, day);
                ASSERT_TRUE(want) << year << " " << month << " " << day;
                const std::optional<CivilDate> got = solarDateOfLunar(day, month, year);
                ASSERT_TRUE(got) << year << " " << month << " " << day;
                ASSERT_EQ(*got, *want) << day << "/" << month << " of lunar " << year;
                ++checked;
                shortMonths += day == 30 && !ConvertedDays::get().find(year, month, false, 30);
            }
        }
    }
    EXPECT_EQ(checked, 200 * 12 * 4);
    EXPECT_GT(shortMonths, 1000);                     // about half the months have 29 days
    EXPECT_GT(ConvertedDays::get().leapMonths(), 70); // about 7 in 19 years
}

// Next occurrences from two moments of every year, of reminders with and without alarms, against
// the first date of the truth whose alarm is still ahead.
TEST(Occurrence, NextOccurrencesOf1900To2099) {
    const ReminderRecord samples[] = {
        reminder({u"Giỗ", 30, 6, false, KindAnniversary, 10, 8, 0, 0}),
        reminder({u"Ông Táo", 23, 12, false, KindFestival, 2, 6, 0, 0}),
        reminder({u"Rằm", 15, 1, false, KindFestival, kAdvanceNoAlarm}),
        reminder({u"Sinh nhật", 29, 2, true, KindAppointment, 0, 7, 0, 0}),
        reminder({u"Năm mới", 1, 1, true, KindHoliday, 5, 0, 0, 0}),
    };
    for (const ReminderRecord& r : samples) {
        for (int year = 1900; year <= 2099; ++year) {
            for (const LocalMoment& now :
                 {LocalMoment{{year, 1, 1}, 0, 0, 0}, LocalMoment{{year, 7, 1}, 12, 0, 0}}) {
                std::optional<CivilDate> want;
                LocalMoment wantAlarm;
                for (int y = year - 1; y <= year + 1 && !want; ++y) {
                    const auto d = r.solar ? expectedSolar(y, r.month, r.day)
                                           : expectedLunar(y, r.month, r.day);
                    if (!d) continue;
                    const LocalMoment alarm{shifted(*d, -daysBefore(r.advance)), r.hour, r.minute,
                                            r.second};
                    if (hasAlarm(r.advance) ? now <= alarm : now.date <= *d) {
                        want = d;
                        wantAlarm = alarm;
                    }
                }
                const std::optional<Occurrence> got = nextOccurrence(r, now);
                ASSERT_TRUE(got && want);
                ASSERT_EQ(got->date, *want) << fieldText(r.title).size() << " from " << year;
                ASSERT_EQ(got->hasAlarm, hasAlarm(r.advance));
                if (got->hasAlarm) {
                    ASSERT_EQ(got->alarm, wantAlarm);
                }
            }
        }
    }
}

struct NextCase {
    const char* name;
    ReminderRecord reminder;
    LocalMoment now;
    CivilDate date;
    LocalMoment alarm; // all zero: no alarm
};

class NextOccurrence : public ::testing::TestWithParam<NextCase> {};

TEST_P(NextOccurrence, WorkedByHand) {
    const NextCase& c = GetParam();
    const std::optional<Occurrence> got = nextOccurrence(c.reminder, c.now);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->date, c.date);
    EXPECT_EQ(got->hasAlarm, c.alarm.date.year != 0);
    if (got->hasAlarm) {
        EXPECT_EQ(got->alarm, c.alarm);
    }
}

// Months of lunar 2024 and 2025 from the published calendar: month 6 of 2024 begins 6 July and
// has 29 days; 2025 has month 6 from 25 June (30 days) and a leap month 6 from 25 July; month 12
// of 2024 begins 31 December 2024; month 1 of 2026 begins 17 February 2026.
INSTANTIATE_TEST_SUITE_P(
    Occurrence, NextOccurrence,
    ::testing::Values(
        // A death anniversary on the 30th of month 6: on the 29th in 2024's 29-day month...
        NextCase{"anniversaryInA29DayMonth",
                 reminder({u"Giỗ", 30, 6, false, KindAnniversary, 2, 7, 30, 0}),
                 {{2024, 7, 1}, 0, 0, 0},
                 {2024, 8, 3},
                 {{2024, 8, 2}, 7, 30, 0}},
        // ...and in 2025's ordinary month 6, not in the leap month 6 that follows it.
        NextCase{"anniversaryInALeapYear",
                 reminder({u"Giỗ", 30, 6, false, KindAnniversary, 2, 7, 30, 0}),
                 {{2024, 8, 2}, 7, 30, 1},
                 {2025, 7, 24},
                 {{2025, 7, 23}, 7, 30, 0}},
        NextCase{"midLeapMonthNotAgain",
                 reminder({u"Giỗ", 15, 6, false, KindAnniversary, kAdvanceNoAlarm}),
                 {{2025, 7, 10}, 0, 0, 0},
                 {2026, 7, 28},
                 {}},
        NextCase{"february29InACommonYear",
                 reminder({u"Sinh nhật", 29, 2, true, KindAppointment, 1, 9, 0, 0}),
                 {{2025, 1, 10}, 0, 0, 0},
                 {2025, 2, 28},
                 {{2025, 2, 28}, 9, 0, 0}},
        NextCase{"february29InALeapYear",
                 reminder({u"Sinh nhật", 29, 2, true, KindAppointment, 1, 9, 0, 0}),
                 {{2027, 3, 1}, 0, 0, 0},
                 {2028, 2, 29},
                 {{2028, 2, 29}, 9, 0, 0}},
        // "9 days before" (stored as 10) crossing the year end, solar and lunar.
        NextCase{"nineDaysBeforeAcrossTheYearEnd",
                 reminder({u"Họp lớp", 5, 1, true, KindAppointment, 10, 8, 0, 0}),
                 {{2025, 12, 20}, 10, 0, 0},
                 {2026, 1, 5},
                 {{2025, 12, 27}, 8, 0, 0}},
        NextCase{"lunarNineDaysBeforeAcrossTheYearEnd",
                 reminder({u"Tất niên", 8, 12, false, KindFestival, 10, 8, 0, 0}),
                 {{2024, 12, 1}, 0, 0, 0},
                 {2025, 1, 7},
                 {{2024, 12, 29}, 8, 0, 0}},
        NextCase{"justAfterTheAlarmTheNextYear",
                 reminder({u"Tất niên", 8, 12, false, KindFestival, 10, 8, 0, 0}),
                 {{2024, 12, 29}, 8, 0, 1},
                 {2026, 1, 26},
                 {{2026, 1, 17}, 8, 0, 0}},
        // Without an alarm the day itself still counts as ahead.
        NextCase{"noAlarmOnTheDay",
                 reminder({u"Tết", 1, 1, false, KindHoliday, kAdvanceNoAlarm}),
                 {{2026, 2, 17}, 23, 59, 59},
                 {2026, 2, 17},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Occurrence, DatesThatAreNoneHaveNoOccurrence) {
    const LocalMoment now{{2025, 1, 1}, 0, 0, 0};
    EXPECT_FALSE(nextOccurrence(reminder({u"00/00", 0, 0, true, KindAppointment, 0}), now));
    EXPECT_FALSE(nextOccurrence(reminder({u"tháng 13", 1, 13, false}), now));
    EXPECT_FALSE(nextOccurrence(reminder({u"ngày 31 âm", 31, 1, false}), now));
    EXPECT_FALSE(nextOccurrence(reminder({u"ngày 32", 32, 1, true}), now));
    // Past the calendar's last year nothing is computed.
    EXPECT_FALSE(
        nextOccurrence(reminder({u"Tết", 1, 1, false}), LocalMoment{{2250, 1, 1}, 0, 0, 0}));
    EXPECT_FALSE(
        nextOccurrence(reminder({u"Tết", 1, 1, false}), LocalMoment{{1700, 1, 1}, 0, 0, 0}));
    // The last lunar year's twelfth month lies in 2200, past the calendar (its eleventh does not).
    const LocalMoment late{{2199, 12, 30}, 10, 0, 0};
    EXPECT_FALSE(nextOccurrence(reminder({u"Giỗ", 30, 12, false}), late));
    EXPECT_FALSE(solarDateOfLunar(1, 12, 2199));
    EXPECT_TRUE(solarDateOfLunar(1, 11, 2199));
    // A damaged alarm time leaves the date but no alarm.
    const std::optional<Occurrence> o =
        nextOccurrence(reminder({u"Hỏng", 2, 9, true, KindHoliday, 1, 25, 61, 0}), now);
    ASSERT_TRUE(o);
    EXPECT_FALSE(o->hasAlarm);
}

TEST(Occurrence, OccurrencesOverTenYearsAreOnePerYear) {
    const ReminderRecord r = reminder({u"Giỗ", 30, 6, false, KindAnniversary, 10, 8, 0, 0});
    const std::vector<Occurrence> list =
        occurrencesBetween(r, CivilDate{2024, 8, 4}, CivilDate{2035, 1, 1});
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list.front().date, (CivilDate{2025, 7, 24}));
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].cycleYear, 2025 + int(i));
        EXPECT_EQ(list[i].date, *expectedLunar(2025 + int(i), 6, 30));
    }
}

} // namespace
