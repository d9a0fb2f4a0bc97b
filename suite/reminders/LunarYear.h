// The months of one lunar year, as the calendar library's month table holds them, and the solar
// dates of their days, each converted lunar to solar through DoiAmDuong.
#pragma once

#include "suite/reminders/Occurrence.h"

#include "VelmoraLib.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::reminders {

class LunarYear {
  public:
    struct Month {
        int index = 0;  // entry of the month table
        int number = 0; // 1..12
        bool leap = false;
        int length = 0; // 29 or 30
    };

    // Lunar year `lunarYear`: the one whose month 1 begins in that solar year, reckoned in
    // Vietnam's zone. Invalid outside the calendar's years.
    explicit LunarYear(int lunarYear);

    bool isValid() const { return !months_.empty(); }
    int year() const { return year_; }
    // Month 1 up to the month before the next month 1: 12 months, 13 with a leap month.
    const std::vector<Month>& months() const { return months_; }

    // The day `day` (1..length) of a month of this year, converted: the solar date, and the
    // sexagenary index of the day in *dayCanChi when asked.
    CivilDate dateOf(const Month& month, int day, int* dayCanChi = nullptr) const;
    // The ordinary month `number`, if the year has it.
    std::optional<Month> ordinaryMonth(int number) const;
    // The last day of the year, the eve of the next lunar new year.
    CivilDate lastDay() const;

  private:
    int year_;
    LICHVELMORA base_{}; // a day of the year, holding its month table
    std::vector<Month> months_;
};

// "Giêng" for month 1, "Chạp" for month 12, the number for the others.
std::u16string lunarMonthName(int number);

} // namespace velmora::reminders
