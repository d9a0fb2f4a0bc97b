// Tests of the item's settings against a frozen copy of their stored form: reading, writing in
// order, and the defaults for missing, short, over-long and mistyped values.
#include "today/TodaySettings.h"

#include "platform/registry/RegistryKey.h"
#include "platform/testing/DeviceRootTest.h"
#include "suite/weather/WeatherKeys.h"

using namespace velmora::today;
using velmora::registry::RegistryKey;
using velmora::registry::Status;

namespace {

// The stored form of one set of settings, written out byte by byte (little-endian DWORDs).
const QByteArray kPages = QByteArray::fromHex("01000000 02000000 01000000 01000000 01000000"
                                              "03000000 00000000 01000000 01000000 01000000"
                                              "05000000 04000000 01000000 01000000 01000000"
                                              "00000000 00000000 01000000 01000000 01000000");
const QByteArray kColors =
    QByteArray::fromHex("00ff0000 56341200 ff990000 ff000000 00000001 00000000");
const QByteArray kFonts = QByteArray::fromHex("0c000000 01000000 00000000 01000000"
                                              "0a000000 00000000 01000000 00000000"
                                              "08000000 00000000 00000000 00000000");

TodaySettings frozenSettings() {
    TodaySettings s;
    s.imageFolder = QStringLiteral("\\Program Files\\LichVelmora\\Images");
    s.pages = {{{1, 2, 1, 1, 1}, {3, 0, 1, 1, 1}, {5, 4, 1, 1, 1}, {0, 0, 1, 1, 1}}};
    s.cityCount = 3;
    s.connection = 0x10001;
    s.update = 0x10003;
    s.colors = {0x00FF00, 0x123456, 0x0099FF, 0x0000FF, 0x01000000, 0};
    s.fonts = {{{12, 1, 0, 1}, {10, 0, 1, 0}, {8, 0, 0, 0}}};
    s.currentCity = 2;
    return s;
}

void expectSame(const TodaySettings& a, const TodaySettings& b) {
    EXPECT_EQ(a.imageFolder, b.imageFolder);
    EXPECT_EQ(a.pages, b.pages);
    EXPECT_EQ(a.cityCount, b.cityCount);
    EXPECT_EQ(a.connection, b.connection);
    EXPECT_EQ(a.update, b.update);
    EXPECT_EQ(a.colors, b.colors);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(a.fonts[size_t(i)].size, b.fonts[size_t(i)].size) << i;
        EXPECT_EQ(a.fonts[size_t(i)].bold, b.fonts[size_t(i)].bold) << i;
        EXPECT_EQ(a.fonts[size_t(i)].italic, b.fonts[size_t(i)].italic) << i;
        EXPECT_EQ(a.fonts[size_t(i)].smoothing, b.fonts[size_t(i)].smoothing) << i;
    }
    EXPECT_EQ(a.currentCity, b.currentCity);
}

class Settings : public velmora::testing::DeviceRootTest {
  protected:
    RegistryKey key(const QString& path) {
        RegistryKey k;
        EXPECT_EQ(RegistryKey::currentUser().create(path, &k), Status::Success);
        return k;
    }
    void storeFrozenCopy() {
        RegistryKey item = key(kTodayKeyPath);
        item.setString("ThuMucAnh", QStringLiteral("\\Program Files\\LichVelmora\\Images"));
        item.setBinary("HienThi", kPages);
        item.setDword("SoThanhPho", 3);
        item.setBinary("MauSac", kColors);
        item.setBinary("KieuChu", kFonts);
        item.setDword("LoaiKetNoi", 0x10001);
        item.setDword("LoaiCapNhat", 0x10003);
        key(velmora::weather::kWeatherKeyPath).setDword("ThanhPho", 2);
    }
};

TEST_F(Settings, DefaultsAreTheDocumentedOnes) {
    const TodaySettings s = LoadTodaySettings(); // nothing stored
    EXPECT_EQ(s.imageFolder, QString());
    const PageCodes pages[4] = {{1, 0, 1, 1, 1}, {2, 3, 1, 1, 1}, {4, 5, 1, 1, 1}, {6, 0, 1, 1, 1}};
    for (int p = 0; p < 4; ++p) EXPECT_EQ(s.pages[size_t(p)], pages[p]) << p;
    EXPECT_EQ(s.cityCount, 0);
    EXPECT_EQ(s.connection, 0);
    EXPECT_EQ(s.update, 0);
    EXPECT_EQ(s.colors, (std::array<COLORREF, 6>{0xFFFFFF, 0xC0C0C0, 0x0099FF, 0x0000FF, 0, 0}));
    EXPECT_EQ(s.fonts[0].size, 14);
    EXPECT_EQ(s.fonts[1].size, 10);
    EXPECT_EQ(s.fonts[2].size, 9);
    for (const FontSetting& f : s.fonts) EXPECT_EQ(f.bold + f.italic + f.smoothing, 0);
    EXPECT_EQ(s.currentCity, 0);
}

TEST_F(Settings, FrozenStoredFormReadsBack) {
    storeFrozenCopy();
    expectSame(LoadTodaySettings(), frozenSettings());
}

TEST_F(Settings, SaveWritesTheFrozenFormInOrder) {
    ASSERT_TRUE(SaveTodaySettings(frozenSettings()));
    RegistryKey item = key(kTodayKeyPath);
    QStringList names;
    QString name;
    for (uint32_t i = 0; item.enumValue(i, &name) == Status::Success; ++i) names << name;
    EXPECT_EQ(names, QStringList({"HienThi", "ThanhPho", "SoThanhPho", "MauSac", "KieuChu",
                                  "LoaiKetNoi", "LoaiCapNhat"}));
    QByteArray bytes;
    item.getBinary("HienThi", &bytes);
    EXPECT_EQ(bytes.toHex(), kPages.toHex());
    item.getBinary("MauSac", &bytes);
    EXPECT_EQ(bytes.toHex(), kColors.toHex());
    item.getBinary("KieuChu", &bytes);
    EXPECT_EQ(bytes.toHex(), kFonts.toHex());
    uint32_t city = 0;
    item.getDword("ThanhPho", &city);
    EXPECT_EQ(city, 2u);
}

// The shown city comes from the weather key only; the item's own "ThanhPho" is never read.
TEST_F(Settings, ShownCityIsReadFromTheWeatherKey) {
    key(kTodayKeyPath).setDword("ThanhPho", 7);
    EXPECT_EQ(LoadTodaySettings().currentCity, 0);
    key(velmora::weather::kWeatherKeyPath).setDword("ThanhPho", 4);
    EXPECT_EQ(LoadTodaySettings().currentCity, 4);
}

struct DamagedCase {
    const char* label;
    std::function<void(const RegistryKey&)> spoil;
    std::function<void(const TodaySettings&)> check;
};

[[maybe_unused]] void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.label;
}

class DamagedValue : public Settings, public testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedValue, FallsBackToItsDefault) {
    storeFrozenCopy();
    GetParam().spoil(key(kTodayKeyPath));
    GetParam().check(LoadTodaySettings());
}

const TodaySettings kDefaults = defaultTodaySettings();

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedValue,
    testing::Values(
        DamagedCase{"ShortPages",
                    [](const RegistryKey& k) { k.setBinary("HienThi", kPages.left(40)); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.pages, kDefaults.pages); }},
        DamagedCase{"LongColors",
                    [](const RegistryKey& k) { k.setBinary("MauSac", kColors + "xxxx"); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.colors, kDefaults.colors); }},
        DamagedCase{"FontsAsText", [](const RegistryKey& k) { k.setString("KieuChu", "14"); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.fonts[0].size, 14); }},
        DamagedCase{"CountAsBinary",
                    [](const RegistryKey& k) { k.setBinary("SoThanhPho", "\x03"); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.cityCount, 0); }},
        DamagedCase{"FolderAbsent", [](const RegistryKey& k) { k.deleteValue("ThuMucAnh"); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.imageFolder, QString()); }},
        DamagedCase{"FolderNotText", [](const RegistryKey& k) { k.setDword("ThuMucAnh", 1); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.imageFolder, "\\Windows"); }},
        DamagedCase{"FolderTooLong",
                    [](const RegistryKey& k) { k.setString("ThuMucAnh", QString(300, u'a')); },
                    [](const TodaySettings& s) { EXPECT_EQ(s.imageFolder, "\\Windows"); }}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
