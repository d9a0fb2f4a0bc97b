// Tests of composing the item's reply from an API answer: a hand-worked small answer, the saved
// answers read back by the item's own line reader, and the reply cache's ten minutes.
#include "tools/velmora-weatherd/src/ForecastReply.h"
#include "tools/velmora-weatherd/src/ReplyCache.h"

#include "suite/weather/WeatherReply.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

using namespace velmora::weatherd;

namespace {

// Two hours and one day, values chosen so that each rule shows: 18.5 rounds away from zero,
// 88° is east (4 of 16), 24140 m is more visibility than a byte holds, nulls are unknown.
const QByteArray kSmallAnswer = R"({
 "latitude":21.0,"longitude":105.875,"utc_offset_seconds":25200,"timezone":"Asia/Ho_Chi_Minh",
 "current":{"time":"2025-12-31T09:30","interval":900,"temperature_2m":18.5,
   "relative_humidity_2m":75,"dew_point_2m":13.4,"is_day":1,"weather_code":3,
   "wind_speed_10m":9.9,"wind_direction_10m":88,"visibility":24140.0},
 "hourly":{"time":["2025-12-31T09:00","2025-12-31T10:00","2025-12-31T20:00",
                   "2026-01-01T03:00","2026-01-02T03:00"],
   "temperature_2m":[18.0,19.4,-0.5,null,15.0],
   "relative_humidity_2m":[80,70,90,95,90],
   "dew_point_2m":[14.0,13.0,-2.5,12.0,12.0],
   "is_day":[1,1,0,0,0],
   "weather_code":[61,63,0,null,0],
   "wind_speed_10m":[0.2,12.0,200.0,5.0,5.0],
   "wind_direction_10m":[10,350,180,90,90],
   "visibility":[5000.0,3000.0,24140.0,10000.0,10000.0]},
 "daily":{"time":["2025-12-31"],"weather_code":[63],
   "temperature_2m_max":[21.4],"temperature_2m_min":[-0.5]}
})";

TEST(ComposeReply, HandWorkedAnswer) {
    const std::optional<QString> reply = composeReply(kSmallAnswer, "VMXX0006");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->split(u'\n'),
              QStringList({
                  "VELMORA|vmxx0006|2025-12-31T09:30",
                  // current: overcast by day, 18.5 → 19, east wind, visibility held to 12.7 km
                  "-1|31|12|26|19|75|4|10|127|21|13|Nhiều mây",
                  // 09:00: calm wind has no direction; 5000 m is 50 tenths
                  "9|31|12|11|18|80|0|0|50|21|14|Mưa nhỏ",
                  // 10:00: 350° is north, which the programs cannot tell from none
                  "10|31|12|11|19|70|0|12|30|21|13|Mưa vừa",
                  // 20:00: clear night; -0.5 → -1, -2.5 → -3; 200 km/h held to a byte
                  "20|31|12|31|-1|90|8|127|127|21|-3|Trời quang",
                  // next day 03:00: no code and no temperature; no daily values for that day
                  "3|1|1|44|-128|95|4|5|100|-128|12|Không có số liệu",
                  // Wednesday: morning 32 + 2 (hours 9 and 10 only), afternoon 42 + 2 (no hours:
                  // the day's code); the morning shows the low, the afternoon the high
                  "34|31|12|11|-1|75|0|0|40|21|14|Mưa vừa",
                  "44|31|12|11|21|-128|0|0|0|21|-128|Mưa vừa",
                  "",
              }));
}

TEST(ComposeReply, RefusesWhatIsNotAnAnswer) {
    EXPECT_FALSE(composeReply("", "vmxx0006"));
    EXPECT_FALSE(composeReply("[1,2]", "vmxx0006"));
    EXPECT_FALSE(composeReply(R"({"current":{"time":"soon"}})", "vmxx0006"));
    EXPECT_FALSE(composeReply(R"({"error":true,"reason":"Latitude must be in range"})", "x"));
}

QByteArray fixture(const char* code) {
    QFile f(QStringLiteral(FIXTURE_DIR "/%1.json").arg(QLatin1String(code)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The item reads every line the server writes: each fits a line, scans whole, and only the hour
// whose code the API did not give is dropped.
TEST(ComposeReply, SavedAnswersAreReadWholeByTheItem) {
    SYSTEMTIME now{};
    now.wYear = 2025;
    now.wMonth = 12;
    now.wDay = 31;
    for (const char* code : {"vmxx0006", "vmxx0007", "vmxx0009", "vmxx0028"}) {
        const std::optional<QString> reply = composeReply(fixture(code), code);
        ASSERT_TRUE(reply) << code;
        EXPECT_LE(reply->size(), 5999) << code; // the item's buffer
        QStringList lines = reply->split(u'\n');
        ASSERT_EQ(lines.takeLast(), QString());
        ASSERT_EQ(lines.size(), 1 + 1 + 48 + 20) << code;
        int unreadable = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), velmora::weather::kReplyLineLimit);
            QString stored = lines[i];
            stored.replace(u' ', u'_');
            unreadable += !velmora::weather::parseReplyLine(stored, now).has_value();
        }
        EXPECT_EQ(unreadable, QByteArray(code) == "vmxx0006" ? 1 : 0) << code;
    }
}

TEST(ReplyCache, KeepsARepliesForTenMinutes) {
    qint64 clock = 1000;
    ReplyCache cache([&clock] { return clock; });
    EXPECT_FALSE(cache.find("vmxx0006"));
    cache.store("VMXX0006", "reply");
    clock += ReplyCache::kLifetimeMs - 1;
    EXPECT_EQ(cache.find("vmxx0006"), QString("reply"));
    clock += 1;
    EXPECT_FALSE(cache.find("vmxx0006"));
}

} // namespace
