// Tests of lichnhan.dat: loading short, over-long and garbled files, what stands in the file's
// place, saving in list order, counting alarms, and a save killed midway.
#include "suite/reminders/ReminderFile.h"
#include "suite/reminders/tests/ReminderSamples.h"

#include "platform/testing/DeviceRootTest.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdlib>
#include <random>
#include <signal.h>
#include <sys/stat.h>

using namespace velmora::reminders;
using velmora::reminders::testing::fileBytes;
using velmora::reminders::testing::reminder;
using velmora::testing::DeviceRootTest;

namespace {

const QString kFile = QStringLiteral("My Documents/LichVelmora/lichnhan.dat");

std::vector<ReminderRecord> threeReminders() {
    return {reminder({u"Quốc khánh", 2, 9, true, KindHoliday, 1, 7, 0, 0}),
            reminder({u"Ô trống", 5, 5, false, 0}),
            reminder({u"Giỗ ông", 10, 3, false, KindAnniversary, kAdvanceNoAlarm, 7, 30, 0})};
}

class ReminderFile : public DeviceRootTest {
  protected:
    std::vector<ReminderRow> load(bool* ok = nullptr) {
        std::vector<ReminderRow> rows;
        const bool loaded = LoadReminderFile(rows);
        if (ok) *ok = loaded;
        return rows;
    }
};

TEST_F(ReminderFile, AnEmptyFileIsAnEmptyListAndAnEmptyListAnEmptyFile) {
    ASSERT_TRUE(device->put(kFile, {}));
    bool ok = false;
    EXPECT_TRUE(load(&ok).empty());
    EXPECT_TRUE(ok);
    const SaveOutcome saved = SaveReminderFile({});
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.alarms, 0);
    EXPECT_TRUE(device->exists(kFile));
    EXPECT_EQ(device->get(kFile).size(), 0);
}

TEST_F(ReminderFile, EmptySlotsLeaveNoRowAndDoNotCount) {
    std::vector<ReminderRecord> records = threeReminders();
    records.push_back(reminder({u"Âm", 1, 1, true, -3}));
    records.push_back(reminder({u"Loại 7", 1, 1, true, 7})); // loaded as is
    ASSERT_TRUE(device->put(kFile, fileBytes<QByteArray>(records)));
    const std::vector<ReminderRow> rows = load();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].columns[ColumnTitle], u"Quốc khánh");
    EXPECT_EQ(rows[0].itemData, 0);
    EXPECT_EQ(rows[1].columns[ColumnTitle], u"Giỗ ông");
    EXPECT_EQ(rows[1].itemData, 1);
    EXPECT_EQ(rows[2].image, 7);
    EXPECT_EQ(rows[2].itemData, 2);
}

TEST_F(ReminderFile, AShortLastPieceIsIgnoredAndAShortFileIsEmpty) {
    QByteArray bytes = fileBytes<QByteArray>(threeReminders());
    bytes.append(fileBytes<QByteArray>({reminder({u"Cắt", 1, 1, true, KindHoliday})}).left(700));
    ASSERT_TRUE(device->put(kFile, bytes));
    EXPECT_EQ(load().size(), 2u);
    ASSERT_TRUE(device->put(kFile, bytes.left(1427)));
    EXPECT_TRUE(load().empty());
}

// Random bytes: every whole record with a kind above 0 is a row, and its texts stay inside
// their fields.
TEST_F(ReminderFile, GarbledBytesLoadWithoutHarm) {
    std::mt19937 random(20250301);
    QByteArray bytes(1428 * 40 + 33, '\0');
    for (char& c : bytes) c = char(random());
    ASSERT_TRUE(device->put(kFile, bytes));
    int expected = 0;
    for (int i = 0; i + 1428 <= bytes.size(); i += 1428)
        expected += int16_t(uint8_t(bytes[i + 8]) | (uint8_t(bytes[i + 9]) << 8)) > 0;
    const std::vector<ReminderRow> rows = load();
    EXPECT_EQ(int(rows.size()), expected);
    for (const ReminderRow& row : rows) {
        EXPECT_LE(row.columns[ColumnTitle].size(), 100u);
        EXPECT_LE(row.columns[ColumnPlace].size(), 100u);
        EXPECT_LE(row.columns[ColumnContent].size(), 500u);
    }
    // Saved back, every row keeps its texts cut to the field less its terminator.
    ASSERT_TRUE(SaveReminderFile(rows).written);
    EXPECT_EQ(device->get(kFile).size(), qsizetype(rows.size()) * 1428);
}

TEST_F(ReminderFile, AFileOverTheLimitIsReadUpToIt) {
    std::vector<ReminderRecord> records(kMaxReminderRecords + 5,
                                        reminder({u"Nhiều", 1, 1, true, 1}));
    ASSERT_TRUE(device->put(kFile, fileBytes<QByteArray>(records)));
    EXPECT_EQ(load().size(), size_t(kMaxReminderRecords));
}

TEST_F(ReminderFile, AMissingFileIsCreatedEmptyWithItsFolder) {
    bool ok = false;
    EXPECT_TRUE(load(&ok).empty());
    EXPECT_TRUE(ok);
    EXPECT_TRUE(device->exists(kFile));
    EXPECT_EQ(QFileInfo(device->host(kFile)).size(), 0);
}

struct Blocker {
    const char* name;
    void (*make)(const QString& path);
};

class NotAFile : public ReminderFile, public ::testing::WithParamInterface<Blocker> {};

// Whatever stands in the file's place is refused at once, and left as it was.
TEST_P(NotAFile, IsRefusedWithoutWaitingAndLeftAlone) {
    const QString path = device->host(kFile);
    QDir().mkpath(QFileInfo(path).path());
    GetParam().make(path);
    QElapsedTimer timer;
    timer.start();
    bool ok = true;
    EXPECT_TRUE(load(&ok).empty());
    EXPECT_FALSE(ok);
    const SaveOutcome saved = SaveReminderFile(rowsOfRecords(threeReminders()));
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(saved.alarms, 1);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_FALSE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
}

INSTANTIATE_TEST_SUITE_P(
    ReminderFile, NotAFile,
    ::testing::Values(
        Blocker{"folder", [](const QString& p) { QDir().mkpath(p); }},
        Blocker{"fifo", [](const QString& p) { ::mkfifo(QFile::encodeName(p), 0600); }},
        Blocker{"linkToFifo",
                [](const QString& p) {
                    ::mkfifo(QFile::encodeName(p + ".fifo"), 0600);
                    QFile::link(p + ".fifo", p);
                }},
        Blocker{"linkToAFullDevice", [](const QString& p) { QFile::link("/dev/full", p); }},
        Blocker{"linkOutOfTheDevice",
                [](const QString& p) { QFile::link(QDir::tempPath() + "/elsewhere.dat", p); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReminderFile, SavesRowsInListOrderAndCountsAlarms) {
    std::vector<ReminderRow> rows =
        rowsOfRecords({reminder({u"Cúng rằm", 15, 1, false, KindFestival, 1, 6, 0, 0}),
                       reminder({u"Ăn Tết", 1, 1, false, KindHoliday, kAdvanceNoAlarm}),
                       reminder({u"Bảo dưỡng xe", 0, 0, true, KindAppointment, 0}),
                       reminder({u"Họp lớp", 5, 1, true, KindAppointment, 10, 8, 0, 0})});
    std::reverse(rows.begin(), rows.end());
    const SaveOutcome saved = SaveReminderFile(rows);
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.alarms, 3); // 1, 0 and 10 ("9 days before") are alarms; 15 is not
    const std::vector<ReminderRow> back = load();
    ASSERT_EQ(back.size(), 4u);
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].columns, rows[i].columns);
        EXPECT_EQ(back[i].image, rows[i].image);
        EXPECT_EQ(back[i].itemData, int(i));
    }
    // The reserved bytes go out as zero.
    const QByteArray bytes = device->get(kFile);
    for (int i = 0; i < bytes.size(); i += 1428)
        for (int at : {0, 1, 2, 3, 11, 12, 13, 14, 15, 16, 17, 26, 27}) EXPECT_EQ(bytes[i + at], 0);
}

TEST_F(ReminderFile, SavingCreatesTheFolder) {
    EXPECT_TRUE(SaveReminderFile(rowsOfRecords(threeReminders())).written);
    EXPECT_EQ(device->get(kFile).size(), 2 * 1428);
}

// A save killed at any moment leaves one of the two lists whole, never a mixture or a piece.
TEST_F(ReminderFile, AKillDuringASaveLeavesTheOldFileWhole) {
    const qsizetype sizes[2] = {3000 * 1428, 4000 * 1428};
    std::mt19937 random(7);
    for (int round = 0; round < 12; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(REMINDER_FILE_SAVER), {root});
        ASSERT_TRUE(saver.waitForStarted());
        ASSERT_TRUE(saver.waitForReadyRead(20000));
        QThread::msleep(std::uniform_int_distribution<int>(0, 80)(random));
        ::kill(pid_t(saver.processId()), SIGKILL);
        saver.waitForFinished();
        const QByteArray bytes = device->get(kFile);
        ASSERT_TRUE(bytes.size() == sizes[0] || bytes.size() == sizes[1]) << bytes.size();
        const std::vector<ReminderRow> rows = load();
        ASSERT_EQ(qsizetype(rows.size()) * 1428, bytes.size());
        const char16_t letter = rows.front().columns[ColumnTitle][0];
        for (const ReminderRow& row : rows)
            ASSERT_EQ(row.columns[ColumnTitle], std::u16string(60, letter));
    }
}

} // namespace
