// The day record's year tables and cyclic values, shared by the conversion steps.
#pragma once

#include "VelmoraLib.h"

namespace velmora::calendar {

// Rebuilds dTietKhi and dTrungKhi for the record's nNam and dMuiGio.
void BuildSolarTerms(LICHVELMORA& rec);

// Rebuilds the month table (dSoc, nThangSoc, nSoSoc) of lunar year `year` for the
// record's dMuiGio: 16 new moons from month 11 of year - 1.
void BuildMonthTable(LICHVELMORA& rec, int year);

// Leaves the month table that holds the record's nJD: that of `year`, or of the year
// before for a day before lunar new year.
void buildMonthTableForDay(LICHVELMORA& rec, int year);

// The year whose month table the record holds, or 0 when it holds none.
int tableYearOf(const LICHVELMORA& rec);

// Index of the first entry at or after `from` that is lunar month 1 (not leap),
// or -1 when the table has none there.
int monthOneIndex(const LICHVELMORA& rec, int from);

// Sexagenary values, mansion, officer and hour spirits of the record's day and hour.
void ComputeCyclicValues(LICHVELMORA& rec);

} // namespace velmora::calendar
