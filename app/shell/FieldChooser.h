// The lists the day page offers for each of its twelve fields, and what a choice changes.
#pragma once

#include "VelmoraLib.h"

#include <QStringList>

namespace velmora::app {

// Fields of the day page (slot = field + 4).
enum DayField {
    FieldSolarMonth = 0,
    FieldSolarYear = 1,
    FieldSolarDay = 2,
    FieldMinorTerm = 3,
    FieldMajorTerm = 4,
    FieldTitle = 5,
    FieldLunarMonth = 6,
    FieldLunarDay = 7,
    FieldYearPillar = 8,
    FieldHourPillar = 9,
    FieldClockTime = 10,
    FieldDayOfficer = 11,
};

struct ChooserList {
    QStringList entries;
    int initial = -1; // -1: nothing selected (the empty lists)
};

ChooserList chooserList(int field, const LICHVELMORA& day);

// Applies entry n of the field's list to the day record and converts it with the
// field's flags; false (nothing changed) for n < 0 or the fields without values.
bool applyFieldChoice(int field, int n, LICHVELMORA& day);

} // namespace velmora::app
