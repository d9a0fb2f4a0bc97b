// The shared harness of the item's window tests.
#include "today/tests/TodayTestSupport.h"

#include "platform/registry/RegistryKey.h"
#include "platform/screen/ScreenProfile.h"
#include "suite/personal/PersonalFile.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherReply.h"
#include "suite/weather/WeatherStore.h"

#include "VelmoraDay.h"

namespace velmora::today::test {

void installPictures(const velmora::testing::TestDeviceRoot& root) {
    const QDir shipped(QStringLiteral(DEVICE_DATA_DIR "/Images"));
    const QString target = root.host(QStringLiteral("Program Files/LichVelmora/Images"));
    QDir().mkpath(target);
    for (const QString& name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), target + u'/' + name);
    registry::RegistryKey key;
    registry::RegistryKey::currentUser().create(
        QStringLiteral("Software\\VelmoraSoft\\VelmoraToday"), &key);
    key.setString(QStringLiteral("ThuMucAnh"),
                  QStringLiteral("\\Program Files\\LichVelmora\\Images"));
    // The key LichVelmora's installation makes, where the item publishes its handle.
    registry::RegistryKey::currentUser().create(
        QStringLiteral("Software\\VelmoraSoft\\LichVelmora"), &key);
}

void storeForecast() {
    weather::storeCity(5, QStringLiteral("Hà Nội"), QStringLiteral("vmxx0006"), 0, 0);
    weather::storeCity(8, QStringLiteral("Huế"), QStringLiteral("vmxx0009"), 1, 1);
    const SYSTEMTIME now = systemTime(2025, 12, 31, 9, 41);
    weather::StoreWeatherReply(QStringLiteral("VELMORA|vmxx0006\n"
                                              "-1|31|12|26|19|78|2|10|100|21|15|Nhiều mây\n"
                                              "0|31|12|31|15|90|0|0|100|21|13|Trời quang\n"
                                              "3|31|12|33|14|92|0|0|100|21|12|Ít mây\n"
                                              "6|31|12|20|14|95|0|0|20|21|13|Sương mù\n"
                                              "9|31|12|26|18|80|2|10|100|21|14|Nhiều mây\n"
                                              "12|31|12|30|21|65|4|12|100|21|14|Mây rải rác\n"
                                              "15|31|12|11|20|70|4|12|80|21|14|Mưa nhỏ\n"
                                              "18|31|12|29|18|75|0|0|100|21|13|Mây rải rác\n"
                                              "21|31|12|31|16|85|0|0|100|21|13|Trời quang\n"
                                              "34|31|12|26|14|85|2|10|100|21|13|Nhiều mây\n"
                                              "44|31|12|30|21|65|4|12|100|21|14|Mây rải rác\n"
                                              "35|1|1|11|15|90|2|8|60|20|13|Mưa nhỏ\n"
                                              "45|1|1|12|20|88|2|8|60|20|13|Mưa to\n"
                                              "36|2|1|34|13|70|0|0|100|22|9|Ít mây\n"
                                              "46|2|1|32|22|55|0|0|100|22|9|Trời quang\n"),
                               weather::cityKeyName(5), now);
    weather::StoreWeatherReply(QStringLiteral("VELMORA|vmxx0009\n"
                                              "-1|31|12|11|22|90|14|15|50|24|20|Mưa nhỏ\n"
                                              "34|31|12|12|21|95|14|15|40|24|20|Mưa to\n"
                                              "44|31|12|40|24|88|14|15|60|24|20|Mưa rào nhẹ\n"),
                               weather::cityKeyName(8), now);
    weather::setShownCity(0);
    registry::RegistryKey key;
    registry::RegistryKey::currentUser().create(
        QStringLiteral("Software\\VelmoraSoft\\VelmoraToday"), &key);
    key.setDword(QStringLiteral("SoThanhPho"), 2);
}

void storePersonalRecord(const QString& name) {
    personal::PersonalRecord r{};
    personal::setFieldText(r.name, name);
    personal::setFieldText(r.company, QStringLiteral("Công ty Sách Hà Nội"));
    personal::setFieldText(r.address, QStringLiteral("12 Hàng Bài, Hoàn Kiếm"));
    personal::setFieldText(r.telephone, QStringLiteral("024 3825 1234"));
    r.birth = systemTime(1988, 3, 12);
    personal::writePersonalRecord(r);
}

TodayHarness::TodayHarness(const QString& profile) {
    screen::select(profile);
    shell::Application::applyScreenProfile();
    todayscreen::setEvent(todayscreen::kShellApiReady);
    frame = std::make_unique<shell::DeviceFrame>();
    frame->setTitle(QStringLiteral("Hôm nay"));
    screen = new todayscreen::TodayScreen;
    frame->setContent(screen);
    screen->addItem(QStringLiteral("VelmoraToday"), InitializeCustomItem, CustomItemOptionsDlgProc);
    frame->move(0, 0);
    frame->show();
}

TodayHarness::~TodayHarness() {
    frame.reset();
    todayscreen::resetEvent(todayscreen::kShellApiReady);
}

} // namespace velmora::today::test
