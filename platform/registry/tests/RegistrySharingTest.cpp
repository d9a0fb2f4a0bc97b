// Tests of the registry shared between processes and of recovery from a damaged file.
#include "platform/registry/tests/RegistryTestRoot.h"

#include <QFile>
#include <QProcess>

using namespace velmora::registry;

extern const char* g_testBinary;

namespace {

class Sharing : public RegistryTest {};

TEST_F(Sharing, TwoProcessesIncrementingLoseNoWrite) {
    QProcess first, second;
    const QStringList args{"--increment", root, "200"};
    first.start(g_testBinary, args);
    second.start(g_testBinary, args);
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    RegistryKey key;
    uint32_t counter = 0;
    ASSERT_EQ(hkcu.open("Software\\Test", &key), Status::Success);
    ASSERT_EQ(key.getDword("Counter", &counter), Status::Success);
    EXPECT_EQ(counter, 400u);
}

// Fills a registry at file with enough values to span many pages, then closes it.
void fillRegistry(const QString& file) {
    const auto db = Database::open(file);
    ASSERT_TRUE(db);
    RegistryKey key;
    ASSERT_EQ(RegistryKey::rootOf(db).create("Software\\Big", &key), Status::Success);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(key.setBinary(QString("v%1").arg(i), QByteArray(2000, char('a' + i % 26))),
                  Status::Success);
}

struct DamageCase {
    const char* label;
    qint64 from; // where the garbage starts; -1 for a file that is garbage throughout
};

class DamagedRegistry : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedRegistry, IsSetAsideAndReplacedByAnEmptyOne) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/registry.db";
    QByteArray garbage;
    for (int i = 0; i < 40000; ++i) garbage.append(char((i * 7919) % 251));
    if (GetParam().from < 0) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    } else {
        fillRegistry(file);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(GetParam().from));
        f.write(garbage);
    }
    QFile original(file);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray damagedBytes = original.readAll();
    original.close();

    const auto db = Database::open(file);
    ASSERT_TRUE(db);
    EXPECT_FALSE(db->damage().isEmpty());
    EXPECT_EQ(lastDamageReport(), db->damage());
    QFile aside(file + ".damaged");
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damagedBytes);

    RegistryKey key;
    QString name;
    EXPECT_EQ(RegistryKey::rootOf(db).enumKey(0, &name), Status::NoMoreItems);
    ASSERT_EQ(RegistryKey::rootOf(db).create("Software\\Fresh", &key), Status::Success);
    EXPECT_EQ(key.setDword("ok", 1), Status::Success);
}

// A second damage deleted the copy the first one had set aside: every copy is kept, numbered.
TEST(DamagedRegistry, EveryDamagedCopyIsKept) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/registry.db";
    for (const char* garbage : {"first damage", "second damage", "third damage"}) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(garbage).repeated(500));
        f.close();
        const auto db = Database::open(file);
        ASSERT_TRUE(db);
        EXPECT_TRUE(db->damage().startsWith(QStringLiteral("Sổ đăng ký của thiết bị")));
    }
    const auto kept = [&](const QString& name) {
        QFile f(dir.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_EQ(kept("registry.db.damaged"), QByteArray("first damage").repeated(500));
    EXPECT_EQ(kept("registry.db.damaged.2"), QByteArray("second damage").repeated(500));
    EXPECT_EQ(kept("registry.db.damaged.3"), QByteArray("third damage").repeated(500));
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedRegistry,
                         testing::Values(DamageCase{"garbage_throughout", -1},
                                         DamageCase{"garbage_after_the_header", 4096}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(HealthyRegistry, ReportsNoDamage) {
    QTemporaryDir dir;
    fillRegistry(dir.path() + "/registry.db");
    const auto db = Database::open(dir.path() + "/registry.db");
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->damage().isEmpty());
    EXPECT_FALSE(QFile::exists(dir.path() + "/registry.db.damaged"));
}

} // namespace
