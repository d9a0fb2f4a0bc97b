// Tests of registry keys and values: names, types and sizes, enumeration, deletion, transactions.
#include "platform/registry/tests/RegistryTestRoot.h"

#include <QStringList>

using namespace velmora::registry;

namespace {

class Keys : public RegistryTest {};

TEST_F(Keys, NamesAreCaseBlindAndKeepTheirFirstSpelling) {
    RegistryKey weather, again, software;
    bool created = false;
    ASSERT_EQ(hkcu.create("Software\\VelmoraSoft\\ThoiTiet", &weather, &created), Status::Success);
    EXPECT_TRUE(created);
    ASSERT_EQ(hkcu.create("SOFTWARE\\velmorasoft\\THOITIET\\", &again, &created), Status::Success);
    EXPECT_FALSE(created);
    ASSERT_EQ(weather.setString("TenThanhPho", "Hà Nội"), Status::Success);
    ASSERT_EQ(again.setString("tenthanhpho", "Huế"), Status::Success);

    QString name, text;
    ASSERT_EQ(hkcu.open("software", &software), Status::Success);
    ASSERT_EQ(software.enumKey(0, &name), Status::Success);
    EXPECT_EQ(name, "VelmoraSoft");
    ASSERT_EQ(weather.enumValue(0, &name), Status::Success);
    EXPECT_EQ(name, "TenThanhPho");
    EXPECT_EQ(weather.enumValue(1, &name), Status::NoMoreItems);
    ASSERT_EQ(weather.getString("TENTHANHPHO", &text), Status::Success);
    EXPECT_EQ(text, "Huế");
}

struct ValueCase {
    const char* label;
    ValueType type;
    QByteArray data;
    uint32_t size;
};

class ValueTypes : public RegistryTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTypes, KeepTypeSizeAndBytes) {
    const ValueCase c = GetParam();
    RegistryKey key;
    ASSERT_EQ(hkcu.create("Software\\Types", &key), Status::Success);
    ASSERT_EQ(key.setValue("v", c.type, c.data), Status::Success);

    ValueType type = ValueType::None;
    uint32_t size = 0;
    ASSERT_EQ(key.queryValue("v", &type, nullptr, &size), Status::Success);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(size, c.size);

    QByteArray buffer(int(c.size) + 8, 'x');
    if (c.size > 0) {
        uint32_t small = c.size - 1;
        EXPECT_EQ(key.queryValue("v", &type, buffer.data(), &small), Status::MoreData);
        EXPECT_EQ(small, c.size);
    }
    uint32_t large = uint32_t(buffer.size());
    ASSERT_EQ(key.queryValue("v", &type, buffer.data(), &large), Status::Success);
    EXPECT_EQ(large, c.size);
    EXPECT_EQ(buffer.left(int(c.size)), c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Types, ValueTypes,
    testing::Values(ValueCase{"text", ValueType::String, stringValueBytes("Hà Nội"), 14},
                    ValueCase{"empty text", ValueType::String, stringValueBytes(""), 2},
                    ValueCase{"dword", ValueType::Dword, dwordValueBytes(0xC0FFEE11u), 4},
                    ValueCase{"binary", ValueType::Binary, QByteArray("\x00\x01\xff\x00\x7f", 5),
                              5},
                    ValueCase{"empty binary", ValueType::Binary, QByteArray(), 0}),
    [](const auto& info) {
        QString label = info.param.label;
        return label.replace(' ', '_').toStdString();
    });

TEST_F(Keys, TypedGettersRefuseOtherTypes) {
    RegistryKey key;
    ASSERT_EQ(hkcu.create("Software\\Typed", &key), Status::Success);
    ASSERT_EQ(key.setString("s", "7"), Status::Success);
    ASSERT_EQ(key.setDword("d", 7), Status::Success);
    uint32_t d = 0;
    QString s;
    EXPECT_EQ(key.getDword("s", &d), Status::InvalidParameter);
    EXPECT_EQ(key.getString("d", &s), Status::InvalidParameter);
    EXPECT_EQ(key.getDword("missing", &d), Status::NotFound);
    ASSERT_EQ(key.getDword("D", &d), Status::Success);
    EXPECT_EQ(d, 7u);
    // A string stored with text after its terminator reads up to the terminator.
    ASSERT_EQ(key.setValue("t", ValueType::String, stringValueBytes("ab") + stringValueBytes("c")),
              Status::Success);
    ASSERT_EQ(key.getString("t", &s), Status::Success);
    EXPECT_EQ(s, "ab");
}

TEST_F(Keys, EnumerateInCreationOrder) {
    RegistryKey parent, child;
    ASSERT_EQ(hkcu.create("Order", &parent), Status::Success);
    const QStringList names{"b", "A", "c", "Ă"};
    for (const QString& n : names) {
        ASSERT_EQ(parent.create(n, &child), Status::Success);
        ASSERT_EQ(parent.setDword(n, 1), Status::Success);
    }
    ASSERT_EQ(parent.setDword("b", 2), Status::Success); // rewriting keeps the position
    ASSERT_EQ(parent.deleteValue("A"), Status::Success);

    QStringList keys, values;
    QString name;
    for (uint32_t i = 0; parent.enumKey(i, &name) == Status::Success; ++i) keys << name;
    for (uint32_t i = 0; parent.enumValue(i, &name) == Status::Success; ++i) values << name;
    EXPECT_EQ(keys, names);
    EXPECT_EQ(values, QStringList({"b", "c", "Ă"}));
    EXPECT_EQ(parent.enumKey(4, &name), Status::NoMoreItems);
    EXPECT_EQ(parent.enumKey(0xFFFFFFFFu, &name), Status::NoMoreItems);
    EXPECT_EQ(parent.enumValue(3, &name), Status::NoMoreItems);
    uint32_t subKeys = 0, valueCount = 0;
    ASSERT_EQ(parent.countEntries(&subKeys, &valueCount), Status::Success);
    EXPECT_EQ(subKeys, 4u);
    EXPECT_EQ(valueCount, 3u);
}

TEST_F(Keys, DeleteRemovesTheWholeSubtree) {
    RegistryKey deep, a;
    ASSERT_EQ(hkcu.create("A\\B\\C", &deep), Status::Success);
    ASSERT_EQ(deep.setDword("x", 1), Status::Success);
    ASSERT_EQ(hkcu.open("A", &a), Status::Success);
    ASSERT_EQ(a.setDword("y", 1), Status::Success);
    ASSERT_EQ(hkcu.create("Keep", &deep), Status::Success);

    ASSERT_EQ(hkcu.deleteKey("a"), Status::Success);
    RegistryKey probe;
    EXPECT_EQ(hkcu.open("A\\B", &probe), Status::NotFound);
    uint32_t v = 0;
    EXPECT_EQ(a.getDword("y", &v), Status::NotFound); // the stale handle sees the deletion
    EXPECT_EQ(a.setDword("y", 2), Status::NotFound);  // and cannot leave orphan values
    EXPECT_EQ(a.create("D", &probe), Status::NotFound);
    ASSERT_EQ(hkcu.create("A\\B\\C", &probe), Status::Success);
    uint32_t subKeys = 9, values = 9;
    ASSERT_EQ(probe.countEntries(&subKeys, &values), Status::Success);
    EXPECT_EQ(values, 0u);
    EXPECT_EQ(hkcu.open("Keep", &probe), Status::Success);
    EXPECT_EQ(hkcu.deleteKey("Missing"), Status::NotFound);
    EXPECT_EQ(hkcu.deleteKey(""), Status::InvalidParameter);
}

class BadPath : public RegistryTest, public testing::WithParamInterface<QString> {};

TEST_P(BadPath, IsInvalid) {
    RegistryKey key;
    EXPECT_EQ(hkcu.create(GetParam(), &key), Status::InvalidParameter);
    EXPECT_FALSE(key.isValid());
}

INSTANTIATE_TEST_SUITE_P(Paths, BadPath,
                         testing::Values(QString("a\\\\b"), QString("\\a"), QString("\\"),
                                         QString(256, 'k')));

TEST_F(Keys, UpdateAndTransactionsCommitOrRollBackWhole) {
    RegistryKey key;
    ASSERT_EQ(hkcu.create("Tx", &key), Status::Success);
    uint32_t result = 0;
    ASSERT_EQ(key.updateDword(
                  "n", [](uint32_t v) { return v + 5; }, &result),
              Status::Success);
    EXPECT_EQ(result, 5u);
    ASSERT_EQ(key.update("n", [](const std::optional<Value>&) { return std::nullopt; }),
              Status::Success);
    ASSERT_EQ(key.getDword("n", &result), Status::Success);
    EXPECT_EQ(result, 5u);

    const Status s = key.transaction([&] {
        EXPECT_EQ(key.setDword("n", 99), Status::Success);
        EXPECT_EQ(key.setDword("other", 1), Status::Success);
        return Status::NotFound;
    });
    EXPECT_EQ(s, Status::NotFound);
    ASSERT_EQ(key.getDword("n", &result), Status::Success);
    EXPECT_EQ(result, 5u);
    EXPECT_EQ(key.getDword("other", &result), Status::NotFound);
    ASSERT_EQ(key.setString("s", "x"), Status::Success);
    EXPECT_EQ(key.updateDword("s", [](uint32_t v) { return v + 1; }), Status::InvalidParameter);
}

TEST_F(Keys, ValuesSurviveReopening) {
    RegistryKey key;
    ASSERT_EQ(hkcu.create("Software\\Kept", &key), Status::Success);
    ASSERT_EQ(key.setBinary("b", "\x01\x02"), Status::Success);
    const auto other = Database::open(root + "/registry.db");
    ASSERT_TRUE(other);
    RegistryKey seen;
    QByteArray data;
    ASSERT_EQ(RegistryKey::rootOf(other).open("software\\kept", &seen), Status::Success);
    ASSERT_EQ(seen.getBinary("B", &data), Status::Success);
    EXPECT_EQ(data, QByteArray("\x01\x02"));
}

} // namespace
