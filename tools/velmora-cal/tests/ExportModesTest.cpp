// velmora-cal's export modes as a user runs them: the device's reminders printed and exported, the
// lunar calendar of a range of years, and what goes wrong told in Vietnamese. Every calendar file
// is read back with libical.
#include "platform/testing/TestDeviceRoot.h"
#include "suite/reminders/ReminderRecord.h"
#include "suite/reminders/tests/ReminderSamples.h"
#include "tools/velmora-cal/tests/CalRunner.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <sys/stat.h>

using namespace velmora::reminders;
using velmora::caltest::CalRun;
using velmora::caltest::readFile;
using velmora::caltest::runCommand;
using velmora::reminders::testing::fileBytes;
using velmora::reminders::testing::reminder;
using velmora::testing::TestDeviceRoot;

namespace {

// velmora-cal on root's device with its clock frozen at now; standard error with the output.
CalRun run(const std::string& arguments, const TestDeviceRoot& root,
           const std::string& now = "2025-03-01T09:00") {
    return runCommand("VELMORA_NOW=" + now + " VELMORA_DEVICE_ROOT='" + root.path().toStdString() +
                      "' " + VELMORA_CAL_PATH + " " + arguments + " 2>&1");
}

// The events' (summary, start date) of a calendar libical parses without an error.
std::vector<std::pair<std::string, std::string>> events(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> list;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    EXPECT_TRUE(calendar);
    if (!calendar) return list;
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        list.emplace_back(icalcomponent_get_summary(c),
                          icaltime_as_ical_string(icalcomponent_get_dtstart(c)));
    icalcomponent_free(calendar);
    return list;
}

QByteArray reminderFile() {
    return fileBytes<QByteArray>(
        {reminder({u"Giỗ bà nội", 30, 6, false, KindAnniversary, 2, 7, 30}),
         reminder({u"Chưa chọn ngày", 0, 0, true, KindAppointment, 0}),
         reminder({u"Quốc khánh", 2, 9, true, KindHoliday, kAdvanceNoAlarm})});
}

const QString kFile = QStringLiteral("My Documents/LichVelmora/lichnhan.dat");

TEST(VelmoraCalExport, PrintsTheDevicesRemindersWithTheirNextDates) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put(kFile, reminderFile()));
    const CalRun r = run("--reminders", root);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "Lịch nhắn của thiết bị: 3, hôm nay Thứ bảy, 01/03/2025\n"
                     "Giỗ bà nội — Ngày giỗ, 30/06 âm lịch\n"
                     "    ngày tới: Thứ năm, 24/07/2025; báo lúc 07:30:00 ngày 23/07/2025\n"
                     "Chưa chọn ngày — Ngày hẹn, 00/00 dương lịch\n"
                     "    không có ngày tới (ngày hoặc tháng không hợp lệ)\n"
                     "Quốc khánh — Ngày lễ, 02/09 dương lịch\n"
                     "    ngày tới: Thứ ba, 02/09/2025; không báo\n");
}

// At the calendar's end a date that is valid but falls past 2199 is told as such.
TEST(VelmoraCalExport, ANextDatePastTheCalendarIsToldAsOutsideIt) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put(kFile, reminderFile()));
    const CalRun r = run("--reminders", root, "2199-12-30T10:00");
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out, "Lịch nhắn của thiết bị: 3, hôm nay Thứ hai, 30/12/2199\n"
                     "Giỗ bà nội — Ngày giỗ, 30/06 âm lịch\n"
                     "    không có ngày tới trong khoảng 1800–2199\n"
                     "Chưa chọn ngày — Ngày hẹn, 00/00 dương lịch\n"
                     "    không có ngày tới (ngày hoặc tháng không hợp lệ)\n"
                     "Quốc khánh — Ngày lễ, 02/09 dương lịch\n"
                     "    không có ngày tới trong khoảng 1800–2199\n");
}

TEST(VelmoraCalExport, WritesTheRemindersAsICalendar) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put(kFile, reminderFile()));
    const std::string ics = root.host("nhac.ics").toStdString();
    const CalRun r = run("--reminders --ics " + ics, root);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    const auto list = events(readFile(ics));
    ASSERT_EQ(list.size(), 20u); // ten years of two reminders with a date
    EXPECT_EQ(list[0], std::make_pair(std::string("Giỗ bà nội"), std::string("20250724")));
    EXPECT_EQ(list[10], std::make_pair(std::string("Quốc khánh"), std::string("20250902")));
    EXPECT_EQ(run("--ics " + ics, root).exitCode, 0);
    EXPECT_EQ(events(readFile(ics)).size(), 20u);
}

TEST(VelmoraCalExport, WritesALunarCalendarOfYears) {
    TestDeviceRoot root;
    const CalRun r = run("--ics-year 2024..2025 -", root);
    EXPECT_EQ(r.exitCode, 0);
    const auto list = events(r.out);
    int tet = 0;
    for (const auto& [summary, start] : list)
        if (summary == "Tết Nguyên Đán") {
            EXPECT_TRUE(start == "20240210" || start == "20250129") << start;
            ++tet;
        }
    EXPECT_EQ(tet, 2);
    const std::string file = root.host("am-lich.ics").toStdString();
    EXPECT_EQ(run("--ics-year 2025 " + file, root).exitCode, 0);
    // 2025: 12 new-moon and 12 full-moon days, 12 festivals, 24 solar terms.
    EXPECT_EQ(events(readFile(file)).size(), 12u + 12u + 12u + 24u);
}

struct FailureCase {
    const char* name;
    std::string arguments;
    int exitCode;
    std::string message;
};

class VelmoraCalExportFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(VelmoraCalExportFailure, IsToldInVietnamese) {
    TestDeviceRoot root;
    ::mkdir(root.host("thu-muc").toUtf8().constData(), 0700);
    const FailureCase& c = GetParam();
    std::string arguments = c.arguments;
    if (const auto at = arguments.find("ROOT"); at != std::string::npos)
        arguments.replace(at, 4, root.path().toStdString());
    const CalRun r = run(arguments, root);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.out;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    VelmoraCalExport, VelmoraCalExportFailure,
    ::testing::Values(
        FailureCase{"yearBeforeTheCalendar", "--ics-year 1799 -", 2,
                    "Năm 1799 nằm ngoài khoảng 1800–2199"},
        FailureCase{"yearAfterIt", "--ics-year 2025..2200 -", 2, "Năm 2200 nằm ngoài khoảng"},
        FailureCase{"backwards", "--ics-year 2026..2025 -", 2,
                    "Năm cuối 2025 đứng trước năm đầu 2026"},
        FailureCase{"notAYear", "--ics-year 25 -", 2, "Năm không hợp lệ: \"25\""},
        FailureCase{"noFile", "--ics-year 2025", 2, "--ics-year cần"},
        FailureCase{"fullDisk", "--ics-year 2025 /dev/full", 1,
                    "Không ghi được file /dev/full: ổ đĩa đã đầy"},
        FailureCase{"aFolder", "--ics-year 2025 ROOT/thu-muc", 1, "thu-muc: đó là một thư mục"},
        FailureCase{"noSuchFolder", "--ics-year 2025 ROOT/khong-co/lich.ics", 1,
                    "lich.ics: không có thư mục này"},
        FailureCase{"noReminderFile", "--reminders", 1, "Không tìm thấy file lichnhan.dat"},
        FailureCase{"icsWithoutFile", "--reminders --ics", 2, "--ics cần đúng một FILE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VelmoraCalExport, AFifoInPlaceOfTheReminderFileIsNotWaitedFor) {
    TestDeviceRoot root;
    ASSERT_TRUE(root.put(kFile, {}));
    ::unlink(root.host(kFile).toUtf8().constData());
    ASSERT_EQ(::mkfifo(root.host(kFile).toUtf8().constData(), 0600), 0);
    const CalRun r = run("--reminders", root);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Không tìm thấy file lichnhan.dat"), std::string::npos);
}

} // namespace
