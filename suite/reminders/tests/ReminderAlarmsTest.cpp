// Tests of the alarms a save registers: one notice per coming occurrence with an alarm, saying its
// own date, and each save replacing the previous save's notices.
#include "suite/reminders/ReminderAlarms.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include "platform/testing/DeviceRootTest.h"

using namespace velmora::reminders;
using velmora::reminders::testing::reminder;
using velmora::testing::DeviceRootTest;

namespace {

class ReminderAlarms : public DeviceRootTest {};

QDateTime at(int y, int mo, int d, int h, int mi) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC);
}

TEST_F(ReminderAlarms, EachComingOccurrenceWithAnAlarmIsANotice) {
    const std::vector<ReminderRecord> reminders = {
        reminder({u"Giỗ bà nội", 30, 6, false, KindAnniversary, 2, 7, 30, 0, u"Huế", u"Mang hoa"}),
        reminder({u"", 2, 9, true, KindHoliday, kAdvanceNoAlarm, 8, 0, 0}),
        reminder({u"", 5, 1, true, KindAppointment, 10, 8, 0, 0}),
        reminder({u"Chưa chọn ngày", 0, 0, true, KindAppointment, 0}),
    };
    // Just after 2024's anniversary alarm (2 August 07:30): 2024's occurrence is not registered.
    const LocalMoment now{{2024, 8, 2}, 7, 30, 1};
    const std::vector<velmora::notify::Notice> notices = reminderNotices(reminders, now);
    // Up to the end of 2034: lunar years 2025..2034 for the anniversary (2034's on 13 August),
    // 5 January 2025..2034 for the appointment.
    ASSERT_EQ(notices.size(), 10u + 10u);
    EXPECT_EQ(notices[0].title, QStringLiteral("Giỗ bà nội"));
    EXPECT_EQ(notices[0].body,
              QStringLiteral("Ngày giỗ, 30/06 âm lịch: Thứ năm, 24/07/2025 (còn 1 ngày)\n"
                             "Địa điểm: Huế\nMang hoa"));
    EXPECT_EQ(notices[0].moments, std::vector<QDateTime>{at(2025, 7, 23, 7, 30)});
    EXPECT_TRUE(notices[1].body.contains(QStringLiteral("2026")));
    // Without a title the kind names it; nine days before crosses into the old year.
    EXPECT_EQ(notices[10].title, QStringLiteral("Ngày hẹn"));
    EXPECT_EQ(notices[10].moments, std::vector<QDateTime>{at(2024, 12, 27, 8, 0)});
    EXPECT_EQ(notices[10].body,
              QStringLiteral("Ngày hẹn, 05/01 dương lịch: Chủ nhật, 05/01/2025 (còn 9 ngày)"));
}

TEST_F(ReminderAlarms, ASaveReplacesThePreviousSavesNotices) {
    const LocalMoment now{{2025, 3, 1}, 9, 0, 0};
    ASSERT_TRUE(
        registerReminderAlarms({reminder({u"Tết", 1, 1, false, KindHoliday, 1, 6, 0, 0}),
                                reminder({u"Trung thu", 15, 8, false, KindFestival, 1, 18, 0, 0})},
                               now));
    // Up to the end of 2035: Tết 2026..2035, mid-autumn 2025..2035.
    EXPECT_EQ(velmora::notify::registeredNotices(kReminderNoticeGroup).size(), 10u + 11u);
    ASSERT_TRUE(registerReminderAlarms(
        {reminder({u"Trung thu", 15, 8, false, KindFestival, 1, 18, 0, 0})}, now));
    const auto left = velmora::notify::registeredNotices(kReminderNoticeGroup);
    ASSERT_EQ(left.size(), 11u);
    EXPECT_EQ(left[0].moments, std::vector<QDateTime>{at(2025, 10, 6, 18, 0)});
    ASSERT_TRUE(registerReminderAlarms({}, now));
    EXPECT_TRUE(velmora::notify::registeredNotices(kReminderNoticeGroup).empty());
}

} // namespace
