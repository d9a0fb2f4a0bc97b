// Tests of the registered notices: storing and replacing them, what is due when, and how the
// moments that are over leave a notice.
#include "platform/notify/NoticeStore.h"
#include "platform/testing/DeviceRootTest.h"

using namespace velmora::notify;
using velmora::testing::DeviceRootTest;

namespace {

QDateTime at(const char* text) {
    QDateTime t = QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

Notice notice(const QString& title, std::vector<QDateTime> moments) {
    return Notice{title, title + QStringLiteral(": nội dung"), std::move(moments)};
}

std::vector<QDateTime> momentsOf(const QString& group, int index) {
    const std::vector<Notice> all = registeredNotices(group);
    return index < int(all.size()) ? all[index].moments : std::vector<QDateTime>{};
}

class Notices : public DeviceRootTest {};

TEST_F(Notices, AGroupIsReplacedWholeAndReadBackInOrder) {
    ASSERT_TRUE(registerNotices("LichNhan", {notice("Giỗ ông", {at("2026-03-27T07:30:00")}),
                                             notice("Sinh nhật", {at("2025-12-01T06:00:00")})}));
    ASSERT_TRUE(registerNotices("Khac", {notice("Khác", {at("2030-01-01T00:00:00")})}));
    // Out of order and with milliseconds: stored sorted, to the second; a notice without
    // moments is not kept.
    QDateTime withMs = at("2027-04-15T07:30:00").addMSecs(900);
    ASSERT_TRUE(registerNotices(
        "LichNhan", {notice("Rằm", {at("2028-04-02T08:00:00"), withMs}), notice("Trống", {})}));
    const std::vector<Notice> got = registeredNotices("LichNhan");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].title, QStringLiteral("Rằm"));
    EXPECT_EQ(got[0].body, QStringLiteral("Rằm: nội dung"));
    EXPECT_EQ(got[0].moments,
              (std::vector<QDateTime>{at("2027-04-15T07:30:00"), at("2028-04-02T08:00:00")}));
    EXPECT_EQ(registeredNotices("Khac").size(), 1u); // other groups stay
    ASSERT_TRUE(registerNotices("LichNhan", {}));
    EXPECT_TRUE(registeredNotices("LichNhan").empty());
    EXPECT_FALSE(registerNotices("", {}));
    EXPECT_FALSE(registerNotices("a\\b", {}));
}

struct DueCase {
    const char* name;
    std::vector<const char*> moments;
    int show;
    int over;
};

class DueAt : public ::testing::TestWithParam<DueCase> {};

TEST_P(DueAt, TheLatestMomentThatCameIsShownUnlessItIsOverADayOld) {
    const DueCase& c = GetParam();
    Notice n;
    for (const char* m : c.moments) n.moments.push_back(at(m));
    const Due due = dueAt(n, at("2025-04-06T07:30:00"));
    EXPECT_EQ(due.show, c.show);
    EXPECT_EQ(due.over, c.over);
}

INSTANTIATE_TEST_SUITE_P(
    Notices, DueAt,
    ::testing::Values(DueCase{"exactlyNow", {"2025-04-06T07:30:00", "2026-03-27T07:30:00"}, 0, 1},
                      DueCase{"oneSecondAhead", {"2025-04-06T07:30:01"}, -1, 0},
                      DueCase{"anHourLate", {"2025-04-06T06:30:00"}, 0, 1},
                      DueCase{"justADayLate", {"2025-04-05T07:30:00"}, 0, 1},
                      DueCase{"overADayLate", {"2025-04-05T07:29:59"}, -1, 1},
                      DueCase{"twoCameOnlyTheLaterShows",
                              {"2025-04-01T07:30:00", "2025-04-06T07:00:00", "2025-04-07T07:00:00"},
                              1,
                              2},
                      DueCase{"none", {}, -1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Notices, AShownMomentLeavesAndTheNextOneWaits) {
    ASSERT_TRUE(registerNotices(
        "LichNhan",
        {notice("Giỗ", {at("2025-04-06T07:30:00"), at("2026-03-27T07:30:00")}),
         notice("Hẹn", {at("2025-04-06T07:00:00")}), notice("Sau", {at("2025-04-07T07:00:00")})}));
    std::vector<QString> shown;
    const int n = processDueNotices(at("2025-04-06T07:30:00"), [&](const Notice& x) {
        EXPECT_EQ(x.moments.size(), 1u);
        shown.push_back(x.title);
        return true;
    });
    EXPECT_EQ(n, 2);
    EXPECT_EQ(shown, (std::vector<QString>{"Giỗ", "Hẹn"}));
    const std::vector<Notice> left = registeredNotices("LichNhan");
    ASSERT_EQ(left.size(), 2u); // "Hẹn" ran out of moments and is gone
    EXPECT_EQ(left[0].title, QStringLiteral("Giỗ"));
    EXPECT_EQ(left[0].moments, (std::vector<QDateTime>{at("2026-03-27T07:30:00")}));
    EXPECT_EQ(left[1].title, QStringLiteral("Sau"));
    // Nothing more is due a moment later.
    EXPECT_EQ(processDueNotices(at("2025-04-06T07:30:01"), [](const Notice&) { return true; }), 0);
}

TEST_F(Notices, AFailedShowIsTriedAgainUntilTheMomentIsOver) {
    ASSERT_TRUE(registerNotices("LichNhan", {notice("Giỗ", {at("2025-04-06T07:30:00")})}));
    EXPECT_EQ(processDueNotices(at("2025-04-06T07:30:00"), [](const Notice&) { return false; }), 0);
    EXPECT_EQ(momentsOf("LichNhan", 0), (std::vector<QDateTime>{at("2025-04-06T07:30:00")}));
    int tries = 0;
    EXPECT_EQ(
        processDueNotices(at("2025-04-07T07:31:00"), [&](const Notice&) { return ++tries, false; }),
        0);
    EXPECT_EQ(tries, 0); // past the late limit: dropped unshown
    EXPECT_TRUE(registeredNotices("LichNhan").empty());
}

TEST_F(Notices, ASaveDuringAShowIsNotUndone) {
    ASSERT_TRUE(registerNotices("LichNhan", {notice("Cũ", {at("2025-04-06T07:30:00")})}));
    processDueNotices(at("2025-04-06T07:30:00"), [](const Notice&) {
        // The reminder list saves while the notification is on its way.
        EXPECT_TRUE(registerNotices("LichNhan", {notice("Mới", {at("2025-04-06T07:00:00")})}));
        return true;
    });
    const std::vector<Notice> left = registeredNotices("LichNhan");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].title, QStringLiteral("Mới"));
    EXPECT_EQ(left[0].moments.size(), 1u);
}

} // namespace
