// Tests of the exported calendars, read back with libical, a calendar library of its own: every
// file parses without an error and holds the events at the dates the published calendar gives.
#include "suite/reminders/CalendarExport.h"
#include "suite/reminders/ICalendar.h"
#include "suite/reminders/Occurrence.h"
#include "suite/reminders/tests/ReminderSamples.h"
#include "suite/text/Utf.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <map>
#include <memory>
#include <set>

using namespace velmora::reminders;
using velmora::reminders::testing::reminder;

namespace {

const LocalMoment kStamp{{2025, 3, 1}, 2, 41, 0};

struct Event {
    std::string uid, summary, description, location, categories;
    icaltimetype start{};
    bool hasEnd = false;
    icaltimetype end{};
    std::vector<int> triggers; // seconds from the start, one per alarm
};

using ComponentPtr = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

std::string textOf(const char* s) {
    return s ? s : "";
}

// Parses text and returns its events; fails the test on any parse error libical reports.
std::vector<Event> parse(const std::string& text) {
    ComponentPtr calendar(icalparser_parse_string(text.c_str()), icalcomponent_free);
    [&] {
        ASSERT_TRUE(calendar);
        ASSERT_EQ(icalcomponent_isa(calendar.get()), ICAL_VCALENDAR_COMPONENT);
        ASSERT_EQ(icalcomponent_count_errors(calendar.get()), 0)
            << icalcomponent_as_ical_string(calendar.get());
    }();
    std::vector<Event> events;
    if (!calendar) return events;
    for (icalcomponent* c =
             icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
         c; c = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
        Event e;
        e.uid = textOf(icalcomponent_get_uid(c));
        e.summary = textOf(icalcomponent_get_summary(c));
        e.description = textOf(icalcomponent_get_description(c));
        e.location = textOf(icalcomponent_get_location(c));
        if (icalproperty* p = icalcomponent_get_first_property(c, ICAL_CATEGORIES_PROPERTY))
            e.categories = textOf(icalproperty_get_categories(p));
        e.start = icalcomponent_get_dtstart(c);
        e.hasEnd = icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY) != nullptr;
        if (e.hasEnd) e.end = icalcomponent_get_dtend(c);
        EXPECT_TRUE(icalcomponent_get_first_property(c, ICAL_DTSTAMP_PROPERTY)) << e.uid;
        for (icalcomponent* a = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(c, ICAL_VALARM_COMPONENT)) {
            icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            EXPECT_TRUE(trigger);
            if (trigger)
                e.triggers.push_back(
                    icaldurationtype_as_int(icalproperty_get_trigger(trigger).duration));
            EXPECT_TRUE(icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY));
        }
        events.push_back(e);
    }
    return events;
}

CivilDate dateOf(const icaltimetype& t) {
    return CivilDate{t.year, t.month, t.day};
}

std::string utf8(std::u16string_view text) {
    return velmora::text::utf16ToUtf8(text);
}

// Every physical line ends with CRLF and holds at most 75 octets.
void expectFolded(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, 75u) << text.substr(start, end - start);
        EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
        start = end + 2;
    }
}

const Event* findBySummary(const std::vector<Event>& events, const std::string& summary) {
    const Event* found = nullptr;
    for (const Event& e : events)
        if (e.summary == summary) {
            EXPECT_EQ(found, nullptr) << "twice: " << summary;
            found = &e;
        }
    return found;
}

TEST(LunarCalendar, FestivalsOf2025FallOnThePublishedDates) {
    const std::string text = lunarCalendar(2025, 2025, kStamp);
    expectFolded(text);
    const std::vector<Event> events = parse(text);
    // Solar dates of 2025's festivals, as the Vietnamese calendar publishes them.
    const std::map<std::u16string, CivilDate> published = {
        {u"Tết ông Công ông Táo", {2025, 1, 22}}, // 23/12 of the year of the Dragon
        {u"Giao thừa", {2025, 1, 28}},
        {u"Tết Nguyên Đán", {2025, 1, 29}},
        {u"Mùng 2 Tết", {2025, 1, 30}},
        {u"Mùng 3 Tết", {2025, 1, 31}},
        {u"Rằm tháng Giêng", {2025, 2, 12}},
        {u"Tết Hàn thực", {2025, 3, 31}},
        {u"Giỗ Tổ Hùng Vương", {2025, 4, 7}},
        {u"Lễ Phật đản", {2025, 5, 12}},
        {u"Tết Đoan ngọ", {2025, 5, 31}},
        {u"Lễ Vu Lan", {2025, 9, 6}}, // after the leap month 6
        {u"Tết Trung thu", {2025, 10, 6}},
    };
    int festivals = 0;
    for (const Event& e : events) festivals += e.categories == utf8(u"Lễ hội");
    EXPECT_EQ(festivals, int(published.size())); // this year's 23/12 and eve fall in 2026
    for (const auto& [name, date] : published) {
        const Event* e = findBySummary(events, utf8(name));
        ASSERT_TRUE(e) << utf8(name);
        EXPECT_TRUE(e->start.is_date);
        EXPECT_EQ(dateOf(e->start), date) << utf8(name);
        ASSERT_TRUE(e->hasEnd);
        EXPECT_EQ(dateOf(e->end), addDays(date, 1));
    }
}

TEST(LunarCalendar, NewAndFullMoonDaysNameTheirMonthLeapMarkAndDay) {
    // 2009: lunar new year on 26 January, a Tân Mùi day; a leap month 5 from 23 June.
    const std::vector<Event> events = parse(lunarCalendar(2009, 2009, kStamp));
    const Event* tet = findBySummary(events, utf8(u"Mùng 1 tháng Giêng, ngày Tân Mùi"));
    ASSERT_TRUE(tet);
    EXPECT_EQ(dateOf(tet->start), (CivilDate{2009, 1, 26}));
    EXPECT_EQ(tet->description, utf8(u"Ngày 1 tháng Giêng năm Kỷ Sửu (âm lịch)"));
    int leapFirst = 0, firsts = 0, fifteenths = 0;
    for (const Event& e : events) {
        if (e.summary.rfind(utf8(u"Mùng 1 tháng 5 nhuận"), 0) == 0) {
            ++leapFirst;
            EXPECT_EQ(dateOf(e.start), (CivilDate{2009, 6, 23}));
        }
        if (e.categories != utf8(u"Âm lịch")) continue;
        firsts += e.summary.rfind(utf8(u"Mùng 1 "), 0) == 0;
        fifteenths += e.summary.rfind(utf8(u"Rằm "), 0) == 0;
    }
    EXPECT_EQ(leapFirst, 1);
    // 2009 holds the starts of 12 months (month 12 of 2008 began on 27 December 2008, the month
    // after 16 December 2009's on 15 January 2010) and 13 full moons (10 January to 30 December).
    EXPECT_EQ(firsts, 12);
    EXPECT_EQ(fifteenths, 13);
}

TEST(LunarCalendar, SolarTermsAtTheirInstants) {
    const std::vector<Event> events = parse(lunarCalendar(2025, 2025, kStamp));
    int terms = 0;
    for (const Event& e : events) {
        if (e.categories != utf8(u"Tiết khí")) continue;
        ++terms;
        EXPECT_FALSE(e.start.is_date);
        EXPECT_TRUE(icaltime_is_utc(e.start));
    }
    EXPECT_EQ(terms, 24);
    // Start of spring 2025-02-03 14:10 UTC; winter solstice 2025-12-21 15:03 UTC (astronomical
    // almanac); the library is within a quarter hour.
    const struct {
        const char16_t* name;
        icaltimetype at;
    } known[] = {{u"Lập xuân", icaltime_from_string("20250203T141000Z")},
                 {u"Đông chí", icaltime_from_string("20251221T150300Z")}};
    for (const auto& k : known) {
        const Event* e = findBySummary(events, utf8(k.name));
        ASSERT_TRUE(e);
        const long long apart = llabs(static_cast<long long>(icaltime_as_timet(e->start)) -
                                      static_cast<long long>(icaltime_as_timet(k.at)));
        EXPECT_LT(apart, 15 * 60) << utf8(k.name);
    }
}

TEST(LunarCalendar, UidsAreUniqueAndStable) {
    const std::string text = lunarCalendar(2024, 2026, kStamp);
    EXPECT_EQ(text, lunarCalendar(2024, 2026, kStamp));
    std::set<std::string> uids;
    for (const Event& e : parse(text)) EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
    EXPECT_GT(uids.size(), 3u * (24 + 12 + 24));
    // A year's events keep their UIDs whatever range they are exported in.
    std::set<std::string> alone;
    for (const Event& e : parse(lunarCalendar(2025, 2025, kStamp))) alone.insert(e.uid);
    for (const std::string& uid : alone) EXPECT_TRUE(uids.count(uid)) << uid;
}

TEST(RemindersCalendar, OneEventPerOccurrenceWithItsAlarm) {
    const std::vector<ReminderRecord> reminders = {
        reminder({u"Giỗ bà nội", 30, 6, false, KindAnniversary, 2, 7, 30, 0, u"Nhà thờ họ, Huế",
                  u"Mang hoa, nến; và\nbánh chưng"}),
        reminder({u"Sinh nhật Lan", 29, 2, true, KindAppointment, 0, 9, 0, 0}),
        reminder({u"Quốc khánh", 2, 9, true, KindHoliday, kAdvanceNoAlarm}),
        reminder({u"Chưa chọn ngày", 0, 0, true, KindAppointment, 0}),
        reminder({u"Giỗ bà nội", 30, 6, false, KindAnniversary, 2, 7, 30, 0}), // the same again
    };
    const LocalMoment now{{2024, 8, 3}, 0, 0, 0};
    const std::string text = remindersCalendar(reminders, now, kStamp);
    expectFolded(text);
    const std::vector<Event> events = parse(text);

    std::map<std::string, std::vector<const Event*>> bySummary;
    std::set<std::string> uids;
    for (const Event& e : events) {
        bySummary[e.summary].push_back(&e);
        EXPECT_TRUE(uids.insert(e.uid).second) << e.uid;
    }
    EXPECT_EQ(bySummary.count(utf8(u"Chưa chọn ngày")), 0u);
    // Ten years from 3 August 2024: the anniversary of 2024 (3 August) is the first of ten.
    const auto& gio = bySummary[utf8(u"Giỗ bà nội")];
    ASSERT_EQ(gio.size(), 20u); // two identical reminders, ten occurrences each
    EXPECT_EQ(dateOf(gio[0]->start), (CivilDate{2024, 8, 3}));
    EXPECT_EQ(dateOf(gio[1]->start), (CivilDate{2025, 7, 24}));
    EXPECT_EQ(gio[0]->location, utf8(u"Nhà thờ họ, Huế"));
    EXPECT_EQ(gio[0]->description, utf8(u"30/06 âm lịch\nMang hoa, nến; và\nbánh chưng"));
    EXPECT_EQ(gio[0]->categories, utf8(u"Ngày giỗ"));
    // One day before at 07:30: 16 h 30 min before the day starts.
    EXPECT_EQ(gio[0]->triggers, std::vector<int>{-(16 * 3600 + 30 * 60)});

    const auto& birthday = bySummary[utf8(u"Sinh nhật Lan")];
    ASSERT_EQ(birthday.size(), 10u);
    EXPECT_EQ(dateOf(birthday[0]->start), (CivilDate{2025, 2, 28}));
    EXPECT_EQ(dateOf(birthday[3]->start), (CivilDate{2028, 2, 29}));
    EXPECT_EQ(birthday[0]->triggers, std::vector<int>{9 * 3600});

    const auto& national = bySummary[utf8(u"Quốc khánh")];
    ASSERT_EQ(national.size(), 10u);
    EXPECT_EQ(dateOf(national[0]->start), (CivilDate{2024, 9, 2}));
    EXPECT_TRUE(national[0]->triggers.empty());

    // Stable: the same file gives the same UIDs; another order of the list keeps them too.
    std::vector<ReminderRecord> reordered(reminders.rbegin(), reminders.rend());
    std::set<std::string> again;
    for (const Event& e : parse(remindersCalendar(reordered, now, kStamp))) again.insert(e.uid);
    EXPECT_EQ(again, uids);
}

TEST(ICalendar, DurationsParseBackToTheirSeconds) {
    for (long long s : {0LL, 27000LL, -59400LL, -(8LL * 86400 + 16 * 3600 + 30 * 60),
                        16LL * 3600 + 30, 86400LL, 9LL * 86400, 59LL, -61LL}) {
        const std::string text = durationValue(s);
        EXPECT_EQ(icaldurationtype_as_int(icaldurationtype_from_string(text.c_str())), s) << text;
    }
    EXPECT_EQ(durationValue(16 * 3600 + 30), "PT16H0M30S");
    EXPECT_EQ(durationValue(0), "PT0S");
}

TEST(ICalendar, LongTextsFoldAndUnfoldWhole) {
    const std::u16string long_text(200, u'ự');
    const std::string folded = foldLine("DESCRIPTION:" + escapeText(long_text));
    expectFolded(folded);
    std::string unfolded = folded;
    for (std::size_t at; (at = unfolded.find("\r\n ")) != std::string::npos;) unfolded.erase(at, 3);
    EXPECT_EQ(unfolded, "DESCRIPTION:" + utf8(long_text) + "\r\n");
    EXPECT_EQ(escapeText(u"a,b;c\\d\r\ne\nf\x01"), "a\\,b\\;c\\\\d\\ne\\nf");
}

} // namespace
