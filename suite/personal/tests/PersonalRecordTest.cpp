// Tests of the personal record's byte form and of its mapping to the dialog's values.
#include "suite/personal/PersonalRecord.h"
#include "suite/personal/PersonalFields.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace velmora::personal;

namespace {

void putText(QByteArray& b, int offset, const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        b[offset + 2 * i] = char(text.at(i).unicode() & 0xFF);
        b[offset + 2 * i + 1] = char(text.at(i).unicode() >> 8);
    }
}

// A record as the device writes it: every field at its offset, the unused bytes patterned.
QByteArray storedRecord() {
    QByteArray b(kPersonalRecordSize, '\0');
    putText(b, 0, QStringLiteral("Nguyễn Thị Hồng"));
    putText(b, 100, QStringLiteral("Công ty Sông Đà"));
    putText(b, 200, QStringLiteral("12 Hàng Bạc, Hà Nội"));
    putText(b, 300, QStringLiteral("0912345678"));
    putText(b, 340, QStringLiteral("hong@example.vn"));
    const unsigned char birth[16] = {0xC1, 0x07, 7, 0, 1, 0, 15, 0, 6, 0, 30, 0, 5, 0, 0, 0};
    std::copy(std::begin(birth), std::end(birth), b.begin() + 440);
    b[456] = 1;
    for (int i = 457; i < kPersonalRecordSize; ++i) b[i] = char(i & 0xFF);
    return b;
}

TEST(PersonalRecord, DecodesEveryFieldAtItsOffsetAndEncodesTheSameBytes) {
    const PersonalRecord r = decodePersonalRecord(storedRecord());
    EXPECT_EQ(fieldText(r.name), QStringLiteral("Nguyễn Thị Hồng"));
    EXPECT_EQ(fieldText(r.company), QStringLiteral("Công ty Sông Đà"));
    EXPECT_EQ(fieldText(r.address), QStringLiteral("12 Hàng Bạc, Hà Nội"));
    EXPECT_EQ(fieldText(r.telephone), QStringLiteral("0912345678"));
    EXPECT_EQ(fieldText(r.email), QStringLiteral("hong@example.vn"));
    EXPECT_EQ(r.birth.wYear, 1985);
    EXPECT_EQ(r.birth.wMonth, 7);
    EXPECT_EQ(r.birth.wDay, 15);
    EXPECT_EQ(r.birth.wHour, 6);
    EXPECT_EQ(r.birth.wMinute, 30);
    EXPECT_EQ(r.sex, 1);
    EXPECT_EQ(r.unused[0], 457 & 0xFF);
    EXPECT_EQ(r.unused[kUnusedBytes - 1], 489 & 0xFF);
    EXPECT_EQ(encodePersonalRecord(r), storedRecord());
}

struct LengthCase {
    const char* label;
    int size;
    bool read;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.label;
}

class RecordLengths : public testing::TestWithParam<LengthCase> {};

TEST_P(RecordLengths, ShortLeavesZeroAndLongReadsTheFirst490Bytes) {
    QByteArray bytes = storedRecord();
    bytes.resize(GetParam().size, '\x5A');
    const QByteArray encoded = encodePersonalRecord(decodePersonalRecord(bytes));
    EXPECT_EQ(encoded, GetParam().read ? storedRecord() : QByteArray(kPersonalRecordSize, '\0'));
}

INSTANTIATE_TEST_SUITE_P(Record, RecordLengths,
                         testing::Values(LengthCase{"Empty", 0, false},
                                         LengthCase{"NameOnly", 100, false},
                                         LengthCase{"OneShort", 489, false},
                                         LengthCase{"Exact", 490, true},
                                         LengthCase{"Longer", 1024, true}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(PersonalRecord, GarbledTextsAreCutAtTheirWidthAndBirthShowsTheDefault) {
    const PersonalRecord r = decodePersonalRecord(QByteArray(kPersonalRecordSize, '\x41'));
    EXPECT_EQ(fieldText(r.name), QString(kNameWidth, QChar(0x4141)));
    EXPECT_EQ(fieldText(r.telephone), QString(kTelephoneWidth, QChar(0x4141)));
    EXPECT_EQ(fieldText(r.email), QString(kEmailWidth, QChar(0x4141)));
    const PersonalFields f = fieldsOf(r);
    EXPECT_EQ(f.birth, defaultBirth());
    EXPECT_TRUE(f.male);
}

TEST(PersonalRecord, BytesAfterATerminatorAreNotKept) {
    QByteArray bytes = storedRecord();
    bytes[300 + 2 * 15] = 'Z'; // inside the telephone field, after "0912345678" and its terminator
    const PersonalRecord r = decodePersonalRecord(bytes);
    EXPECT_EQ(fieldText(r.telephone), QStringLiteral("0912345678"));
    EXPECT_EQ(encodePersonalRecord(r), storedRecord());
}

struct TextLimitCase {
    const char* label;
    QString text;
    int width;
    int limit;
    QString stored;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const TextLimitCase& c, std::ostream* os) {
    *os << c.label;
}

class TextLimits : public testing::TestWithParam<TextLimitCase> {};

TEST_P(TextLimits, CountTheTerminatorAndNeverSplitAPair) {
    const TextLimitCase& c = GetParam();
    char16_t field[kNameWidth];
    std::fill(std::begin(field), std::end(field), u'?');
    setFieldText(field, c.width, c.text, c.limit);
    EXPECT_EQ(QString::fromUtf16(field), c.stored);
}

const QString kPair = QString::fromUtf16(u"\U0001F600");

INSTANTIATE_TEST_SUITE_P(
    Fields, TextLimits,
    testing::Values(
        TextLimitCase{"Fits", QStringLiteral("Hà Nội"), 50, 50, QStringLiteral("Hà Nội")},
        TextLimitCase{"Empty", QString(), 50, 50, QString()},
        TextLimitCase{"NameCut", QString(60, 'n'), 50, 50, QString(49, 'n')},
        TextLimitCase{"TelephoneCut", QString(25, '9'), 20, 20, QString(19, '9')},
        TextLimitCase{"PairAtTheLimit", QString(18, '9') + kPair, 20, 20, QString(18, '9')},
        TextLimitCase{"PairBeforeTheLimit", QString(17, '9') + kPair + "9", 20, 20,
                      QString(17, '9') + kPair}),
    [](const auto& info) { return std::string(info.param.label); });

struct BirthCase {
    const char* label;
    SYSTEMTIME stored;
    QDateTime shown;
};

// Printed as its label in failure messages.
[[maybe_unused]] void PrintTo(const BirthCase& c, std::ostream* os) {
    *os << c.label;
}

class BirthDates : public testing::TestWithParam<BirthCase> {};

TEST_P(BirthDates, InvalidOrZeroShowAsTheDefault) {
    EXPECT_EQ(birthOf(GetParam().stored), GetParam().shown);
}

QDateTime wall(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BirthDates,
    testing::Values(
        BirthCase{"Zero", {}, wall(1990, 1, 1)},
        BirthCase{"Valid", {1985, 7, 1, 15, 6, 30, 5, 0}, wall(1985, 7, 15, 6, 30, 5)},
        BirthCase{"LeapDay", {2024, 2, 4, 29, 23, 59, 59, 0}, wall(2024, 2, 29, 23, 59, 59)},
        BirthCase{"NoLeapDay", {2023, 2, 3, 29, 0, 0, 0, 0}, wall(1990, 1, 1)},
        BirthCase{"Hour24", {2000, 1, 6, 1, 24, 0, 0, 0}, wall(1990, 1, 1)},
        BirthCase{"Month13", {2000, 13, 0, 1, 0, 0, 0, 0}, wall(1990, 1, 1)},
        BirthCase{"BeforeRange", {1500, 1, 0, 1, 0, 0, 0, 0}, wall(1990, 1, 1)},
        BirthCase{"AfterRange", {10000, 1, 0, 1, 0, 0, 0, 0}, wall(1990, 1, 1)},
        // The picker offers the calendar's own years, 1800-2199.
        BirthCase{"FirstDay", {1800, 1, 3, 1, 0, 0, 0, 0}, wall(1800, 1, 1)},
        BirthCase{"Before1800", {1799, 12, 2, 31, 23, 0, 0, 0}, wall(1990, 1, 1)},
        BirthCase{"LastSecond", {2199, 12, 2, 31, 23, 59, 59, 0}, wall(2199, 12, 31, 23, 59, 59)},
        BirthCase{"After2199", {2200, 1, 3, 1, 0, 0, 0, 0}, wall(1990, 1, 1)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PersonalFields, ApplyingSetsTextsSexAndBirthWithWeekdayAndKeepsUnusedBytes) {
    PersonalRecord r = decodePersonalRecord(storedRecord());
    PersonalFields f = fieldsOf(r);
    f.name = QString(70, QChar(0x1EA0)); // "Ạ"
    f.male = false;
    f.birth = wall(2025, 2, 25, 9, 41, 7); // a Tuesday
    applyFields(r, f);
    EXPECT_EQ(fieldText(r.name), QString(kNameWidth - 1, QChar(0x1EA0)));
    EXPECT_EQ(r.sex, 0);
    EXPECT_EQ(r.birth.wDayOfWeek, 2);
    EXPECT_EQ(birthOf(r.birth), f.birth);
    EXPECT_EQ(r.birth.wMilliseconds, 0);
    EXPECT_EQ(encodePersonalRecord(r).mid(457), storedRecord().mid(457));
    f.male = true;
    applyFields(r, f);
    EXPECT_EQ(r.sex, 1);
}

} // namespace
