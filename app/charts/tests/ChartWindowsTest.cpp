// The chart windows as a user meets them: receiving a birth, taps, keys, menus on the soft key
// and on tap-and-hold, the wide view, the saved-charts list with its entry dialog, failures told
// in message boxes, and screenshots at qvga, vga and vga-landscape.
#include "app/charts/BirthEntryDialog.h"
#include "app/charts/FourPillarsPainter.h"
#include "app/charts/FourPillarsWindow.h"
#include "app/charts/PurpleStarPainter.h"
#include "app/charts/PurpleStarWindow.h"
#include "app/charts/SavedChartsWindow.h"
#include "app/res/CommandIds.h"
#include "app/shell/MainWindow.h"
#include "app/shell/Tools.h"
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Screenshot.h"
#include "platform/testing/MessageBoxWatcher.h"
#include "platform/testing/ScreenTesting.h"
#include "platform/testing/TestDeviceRoot.h"
#include "suite/charts/ByteFields.h"
#include "suite/charts/SavedChartsFile.h"
#include "suite/charts/tests/ChartTestSupport.h"

#include "VelmoraDay.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

using namespace velmora::app;
namespace charts = velmora::charts;
namespace shell = velmora::shell;
namespace screen = velmora::screen;

namespace {

const QString kFolder = QStringLiteral("\\Program Files\\LichVelmora");
const QString kData = QStringLiteral("Program Files/LichVelmora/Data/");

charts::BirthRecord person(std::u16string_view name, int year, int month, int day, int hour,
                           int minute, bool male, std::u16string_view telephone = u"") {
    charts::BirthRecord r = charts::testing::birth(year, month, day, hour, minute, male, name);
    charts::setFieldText(r.telephone, telephone);
    charts::fillDerivedValues(r);
    return r;
}

QByteArray bytesOf(const std::vector<charts::BirthRecord>& records) {
    const std::vector<std::uint8_t> bytes = charts::encodeSavedCharts(records);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QByteArray shippedStars() {
    QFile f(QStringLiteral(CHARTS_DEVICE_DATA_DIR "/saotuvi.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs `act` once the window's child dialog is open (polled, since the window waits for it).
void whenChildOpens(std::function<shell::FullScreenDialog*()> child,
                    std::function<void(shell::FullScreenDialog*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, child, act] {
        if (shell::FullScreenDialog* d = child(); d && d->isOpen()) {
            timer->stop();
            timer->deleteLater();
            act(d);
        }
    });
    timer->start(5);
}

void pressDone(shell::DeviceFrame& frame) {
    frame.taskBar()->findChild<QToolButton*>()->click();
}

int pixelsOf(const QImage& image, const QRect& rect, QColor colour) {
    int n = 0;
    for (int y = std::max(0, rect.top()); y <= std::min(image.height() - 1, rect.bottom()); ++y)
        for (int x = std::max(0, rect.left()); x <= std::min(image.width() - 1, rect.right()); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

QString shotPath(const QString& scene, const QString& profile) {
    return velmora::testing::screenshotPath(QStringLiteral(CHARTS_SHOT_DIR), scene, profile);
}

// A device with the star catalogue and a saved-charts file, a frame and a day page's day.
struct Device {
    velmora::testing::TestDeviceRoot root{"2025-06-07T10:00"};
    ProgramState state;
    std::unique_ptr<shell::DeviceFrame> frame;
    explicit Device(bool withStars = true) {
        if (withStars) root.put(kData + QStringLiteral("saotuvi.dat"), shippedStars());
        state.programFolder = kFolder;
        // Ất Tị: the stars of the current year go by this day.
        state.currentDay.setToLocalTime(velmora::systemTime(2025, 6, 7, 10));
        frame = std::make_unique<shell::DeviceFrame>();
        frame->show();
    }
    void saveCharts(const std::vector<charts::BirthRecord>& records) {
        root.put(kData + QStringLiteral("luulaso.dat"), bytesOf(records));
    }
};

void useProfile(const QString& name) {
    screen::select(name);
    shell::Application::applyScreenProfile();
}

} // namespace

class ChartWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { useProfile(QStringLiteral("vga")); }

    // ------------------------------------------------------------ the purple-star window

    void purpleStarOpensWithItsMenuAndAHint() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QCOMPARE(d.frame->taskBar()->title(), QStringLiteral("Tử vi - Đẩu số"));
        shell::SoftKeyBar* bar = w.softKeyBar();
        QCOMPARE(bar->leftText(), QStringLiteral("Trở về"));
        QCOMPARE(bar->rightText(), QStringLiteral("Mục chọn"));
        QCOMPARE(bar->action(CmdPurpleStarNew)->text(), QStringLiteral("Lá số mới"));
        QCOMPARE(bar->action(CmdPurpleStarOpenSaved)->text(), QStringLiteral("Mở lưu kiện"));
        QCOMPARE(bar->action(CmdPurpleStarPalaceFirst)->text(), QStringLiteral("Cung mệnh"));
        QCOMPARE(bar->action(CmdPurpleStarPalaceLast)->text(), QStringLiteral("Huynh đệ"));
        QCOMPARE(bar->action(CmdPurpleStarWhole)->text(), QStringLiteral("Xem tổng thể"));
        QCOMPARE(bar->action(CmdPurpleStarWide)->text(), QStringLiteral("Xem rộng"));
        QVERIFY(w.viewer()->source().contains(QStringLiteral("Chưa có lá số")));
        QVERIFY(!w.chart().computed);
        // A tap on a palace of an empty chart selects nothing.
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.chart().selectedPalace, kNoPalace);
    }

    void birthDataShowTheChartAndItsSummary() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"Nguyễn Văn An", 1984, 2, 2, 4, 0, true)));
        const charts::PurpleStarChart& c = w.chart();
        QCOMPARE(c.lifePalace, 0);
        QCOMPARE(c.clientWidth, w.view()->width());
        const QString html = w.viewer()->source();
        QVERIFY(html.contains(QStringLiteral("Nguyễn Văn An")));
        QVERIFY(html.contains(QStringLiteral("Hải Trung Kim")));
        QVERIFY(html.contains(QStringLiteral("Thuỷ Nhị Cục")));
        // The current year is the day page's: Ất Tị puts the year's Thái Tuế at Tị.
        bool found = false;
        for (int i = 0; i < c.palaces[5].starCount; ++i)
            found |= charts::fieldText(c.palaces[5].stars[i].longName) == u"L.Thái Tuế";
        QVERIFY(found);
        // Tử Vi at Sửu is drawn in earth orange in its cell.
        const QImage image = w.view()->render();
        const QRect suu(w.view()->width() / 4, 3 * w.view()->height() / 4, w.view()->width() / 4,
                        w.view()->height() / 4);
        QVERIFY(pixelsOf(image, suu, QColor(0xFF, 0x8C, 0x00)) > 20);
    }

    void tapsSelectPalacesAndTheCentreShowsTheSummary() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"An", 1984, 2, 2, 4, 0, true)));
        const int W = w.view()->width() / 4, H = w.view()->height() / 4;
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(2 * W + W / 2, 3 * H + H / 2));
        QCOMPARE(w.chart().selectedPalace, 0);
        QVERIFY(w.viewer()->source().contains(QStringLiteral("Thiên Cơ (Đ)")));
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(2 * W + 3, 3 * H + 3));
        QCOMPARE(w.chart().selectedPalace, 0); // the same palace again keeps it
        QTest::mouseClick(w.viewer()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(w.chart().selectedPalace, kNoPalace); // the centre: the summary
        QVERIFY(w.viewer()->source().contains(QStringLiteral("Cục:")));
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.chart().selectedPalace, 5);
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(W + W / 2, H + 2));
        QCOMPARE(w.chart().selectedPalace, kNoPalace); // the label strip is the centre too
    }

    void keysAndCommandsSelectAndTheWideViewToggles() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"An", 1984, 2, 2, 4, 0, true)));
        QTest::keyClick(w.view(), Qt::Key_Left);
        QCOMPARE(w.chart().selectedPalace, kNoPalace); // nothing selected: arrows do nothing
        QTest::keyClick(w.view(), Qt::Key_Return);
        QCOMPARE(w.chart().selectedPalace, 0);
        QTest::keyClick(w.view(), Qt::Key_Left);
        QCOMPARE(w.chart().selectedPalace, 1);
        QTest::keyClick(w.view(), Qt::Key_Return);
        QCOMPARE(w.chart().selectedPalace, 0);
        QTest::keyClick(w.view(), Qt::Key_Return);
        QCOMPARE(w.chart().selectedPalace, kNoPalace);

        shell::SoftKeyBar* bar = w.softKeyBar();
        bar->action(CmdPurpleStarPalaceFirst + 4)->trigger(); // "Quan lộc": life + 4
        QCOMPARE(w.chart().selectedPalace, 4);
        QVERIFY(w.viewer()->source().contains(QStringLiteral("<td valign=top>")));
        bar->action(CmdPurpleStarWhole)->trigger();
        QCOMPARE(w.chart().selectedPalace, kNoPalace);

        bar->action(CmdPurpleStarWide)->trigger();
        QVERIFY(w.isWide());
        QCOMPARE(w.geometry(), d.frame->rect());
        QVERIFY(bar->action(CmdPurpleStarWide)->isChecked());
        QTest::keyClick(w.view(), Qt::Key_Escape);
        QVERIFY(!w.isWide());
        QCOMPARE(w.geometry(), d.frame->workArea()->rect());
        QTest::keyClick(w.view(), Qt::Key_0);
        QVERIFY(w.isWide());
        bar->action(shell::IDCANCEL)->trigger(); // "Trở về" leaves the wide view first ...
        QVERIFY(!w.isWide());
        QVERIFY(w.isOpen());
        bar->action(shell::IDCANCEL)->trigger(); // ... then closes the window
        QVERIFY(!w.isOpen());
    }

    void tapAndHoldOpensTheMenu() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"An", 1984, 2, 2, 4, 0, true)));
        QTest::mousePress(w.view(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY_WITH_TIMEOUT(w.contextMenu() && w.contextMenu()->isVisible(), 2000);
        QTest::mouseRelease(w.view(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(w.chart().selectedPalace, kNoPalace); // the hold was no tap
        QAction* wide = shell::findAction(w.contextMenu(), CmdPurpleStarWide);
        QVERIFY(wide);
        wide->trigger();
        QTRY_VERIFY(w.isWide());
        w.contextMenu()->close();
    }

    void tuanAndTrietOfOnePairShareOneLabel() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        // Quý Hợi: Tuần of the Giáp Dần decade and Triệt of a Quý year are both Tý–Sửu.
        QVERIFY(w.receiveBirth(person(u"An", 1983, 6, 1, 12, 0, false)));
        auto labels = chartLabels(w.chart(), w.view()->size());
        QCOMPARE(int(labels.size()), 1);
        QCOMPARE(labels[0].text, QStringLiteral("Tuần-Triệt"));
        QVERIFY(pixelsOf(w.view()->render(), labels[0].box, QColor(0xA9, 0xA9, 0xA9)) > 50);
        QVERIFY(w.receiveBirth(person(u"An", 1984, 6, 1, 12, 0, false)));
        labels = chartLabels(w.chart(), w.view()->size());
        QCOMPARE(int(labels.size()), 2);
        QCOMPARE(labels[0].text, QStringLiteral("Tuần"));
        QCOMPARE(labels[1].text, QStringLiteral("Triệt"));
        // Neither label hides behind the viewer.
        for (const ChartLabel& label : labels)
            QVERIFY(!label.box.intersects(w.viewer()->geometry()));
    }

    void narrowCellsShowShortNames_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<bool>("longNames");
        QTest::newRow("qvga") << QStringLiteral("qvga") << false;
        QTest::newRow("vga") << QStringLiteral("vga") << false;
        QTest::newRow("vga-landscape") << QStringLiteral("vga-landscape") << true;
    }
    void narrowCellsShowShortNames() {
        QFETCH(QString, profile);
        QFETCH(bool, longNames);
        useProfile(profile);
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"An", 1984, 2, 2, 4, 0, true)));
        const QSize cell(w.view()->width() / 4, w.view()->height() / 4);
        const PalaceCellTexts phu =
            palaceCellTexts(w.chart(), 1, cell); // Phụ Mẫu, Tử Vi and Phá Quân
        QCOMPARE(phu.name, longNames ? QStringLiteral("PHỤ MẪU") : QStringLiteral("PHỤ"));
        // Cells 55 units high or less (landscape) leave the main stars to the viewer.
        if (listsMainStars(cell.height(), screen::current().dpi))
            QCOMPARE(phu.mainStars.value(0),
                     longNames ? QStringLiteral("Tử Vi (Đ)") : QStringLiteral("Tử (Đ)"));
        else
            QVERIFY(phu.mainStars.isEmpty());
        QCOMPARE(listsMainStars(cell.height(), screen::current().dpi), !longNames);
        const PalaceCellTexts body = palaceCellTexts(w.chart(), w.chart().bodyPalace, cell);
        QVERIFY(body.body);
    }

    void missingStarFileIsToldAndTheFrameStays() {
        Device d(false);
        velmora::testing::MessageBoxWatcher boxes;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(w.receiveBirth(person(u"An", 1984, 2, 2, 4, 0, true)));
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Không tìm thấy file saotuvi.dat")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
        QCOMPARE(int(w.chart().palaces[0].decadeAge), 2);
        for (const charts::ChartPalace& p : w.chart().palaces) QCOMPARE(int(p.starCount), 0);
    }

    void unusableBirthIsRefused() {
        Device d;
        velmora::testing::MessageBoxWatcher boxes;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QVERIFY(!w.receiveBirth(person(u"An", 1700, 2, 2, 4, 0, true)));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].startsWith(QStringLiteral("Ngày giờ sinh không hợp lệ")));
        QVERIFY(!w.chart().computed);
        QVERIFY(w.viewer()->source().contains(QStringLiteral("Chưa có lá số")));
    }

    void newChartComesFromTheEntryDialog() {
        Device d;
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        velmora::testing::MessageBoxWatcher boxes;
        bool checkedDefaults = false;
        whenChildOpens(
            [&] { return w.openChild(); },
            [&](shell::FullScreenDialog* child) {
                auto* entry = qobject_cast<BirthEntryDialog*>(child);
                QVERIFY(entry);
                QCOMPARE(d.frame->taskBar()->title(), QStringLiteral("Nhập lá số"));
                auto* male = qobject_cast<QRadioButton*>(entry->control(IdcBirthMale));
                auto* picker = qobject_cast<QDateTimeEdit*>(entry->control(IdcBirthDate));
                checkedDefaults = male->isChecked() &&
                                  picker->displayFormat() == QStringLiteral("HH:mm  dd/MM/yyyy");
                pressDone(*d.frame); // no name yet: refused with a message
                QVERIFY(entry->isOpen());
                qobject_cast<QLineEdit*>(entry->control(IdcBirthName))
                    ->setText(QStringLiteral("Lê Thị Hà"));
                qobject_cast<QRadioButton*>(entry->control(IdcBirthFemale))->setChecked(true);
                picker->setDateTime(QDateTime(QDate(1990, 5, 17), QTime(8, 30), Qt::UTC));
                pressDone(*d.frame);
            });
        w.softKeyBar()->action(CmdPurpleStarNew)->trigger();
        QVERIFY(checkedDefaults);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Hãy nhập họ tên.")});
        QVERIFY(w.chart().computed);
        QCOMPARE(charts::fieldText(w.chart().birth.name), std::u16string(u"Lê Thị Hà"));
        QCOMPARE(int(w.chart().birth.sex), 0);
        QCOMPARE(int(w.chart().birth.hour), 8);
        QVERIFY(w.viewer()->source().contains(QStringLiteral("Nữ")));
    }

    void savedPersonOpensInTheChart() {
        Device d;
        d.saveCharts({person(u"Nguyễn Văn An", 1984, 2, 2, 4, 0, true),
                      person(u"Lê Thị Bình", 1985, 1, 2, 23, 15, false, u"0912555666")});
        PurpleStarWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        whenChildOpens([&] { return w.openChild(); },
                       [&](shell::FullScreenDialog* child) {
                           auto* list = qobject_cast<SavedChartsWindow*>(child);
                           QVERIFY(list);
                           QCOMPARE(list->listView()->topLevelItemCount(), 2);
                           list->selectRow(1);
                           pressDone(*d.frame); // "OK"
                       });
        w.softKeyBar()->action(CmdPurpleStarOpenSaved)->trigger();
        QCOMPARE(charts::fieldText(w.chart().birth.name), std::u16string(u"Lê Thị Bình"));
        QVERIFY(w.chart().computed);
    }

    // ------------------------------------------------------------ the four-pillars window

    void fourPillarsLuckCommandsAndTaps() {
        Device d;
        FourPillarsWindow w(d.frame.get(), d.state);
        QVERIFY(w.open());
        QCOMPARE(d.frame->taskBar()->title(), QStringLiteral("Tử bình"));
        QVERIFY(w.receiveBirth(person(u"An", 1984, 6, 15, 9, 0, true)));
        const charts::PillarSet& set = w.pillars();
        QCOMPARE(set.pillars[charts::YearPillarAt].index, 0); // Giáp Tý
        w.softKeyBar()->action(CmdFourPillarsLuck4)->trigger();
        QCOMPARE(set.firstLuck, 4);
        QCOMPARE(set.lucks[0].age, set.startAge + 40);
        QCOMPARE(set.lucks[3].age, set.startAge + 70);
        const int width = w.view()->width(), height = w.view()->height();
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(width * 5 / 8, height / 2));
        QCOMPARE(set.selectedLuck, 6);
        QCOMPARE(set.years[0].age, set.startAge + 50);
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(width / 8, height / 6));
        QCOMPARE(set.selectedLuck, 6); // the pillars' band selects nothing
        w.softKeyBar()->action(CmdFourPillarsLuck0)->trigger();
        QTest::mouseClick(w.view(), Qt::LeftButton, {}, QPoint(width / 8, height / 2));
        QCOMPARE(set.years[0].age, 1);
        QCOMPARE(set.years[9].age, 10);
        // Ten gods in magenta, and the selected luck framed in navy.
        const QImage image = w.view()->render();
        QVERIFY(pixelsOf(image, QRect(0, 0, width, height / 3), QColor(0xFF, 0x00, 0xFF)) > 20);
        QVERIFY(pixelsOf(image, QRect(0, height / 3, width / 4, height / 3), QColor(0, 0, 128)) >
                20);
        QTest::keyClick(w.view(), Qt::Key_0);
        QVERIFY(w.isWide());
    }

    // ------------------------------------------------------------ the saved-charts list

    void savedListSearchAddEditDeleteSave() {
        Device d;
        d.saveCharts({person(u"Nguyễn Văn An", 1984, 2, 2, 4, 0, true, u"0903111222"),
                      person(u"Lê Thị Bình", 1985, 1, 2, 23, 15, false, u"0912555666"),
                      person(u"Trần An Khang", 2001, 9, 9, 9, 9, true)});
        SavedChartsWindow w(d.frame.get(), kFolder);
        QVERIFY(w.open());
        QTreeWidget* view = w.listView();
        QCOMPARE(view->topLevelItemCount(), 3);
        QCOMPARE(view->topLevelItem(1)->text(1), QStringLiteral("1985-01-02 23:15"));
        QCOMPARE(view->columnCount(), 8);
        QCOMPARE(w.control(IdcSavedChartsList), view);

        w.searchEdit()->setText(QStringLiteral("555"));
        QCOMPARE(view->topLevelItemCount(), 1);
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("Lê Thị Bình"));
        w.searchEdit()->clear();

        // Enter on a row opens it for editing; the new name replaces the row's.
        w.selectRow(0);
        whenChildOpens([&] { return w.openChild(); },
                       [&](shell::FullScreenDialog* child) {
                           auto* entry = qobject_cast<BirthEntryDialog*>(child);
                           auto* name = qobject_cast<QLineEdit*>(entry->control(IdcBirthName));
                           QCOMPARE(name->text(), QStringLiteral("Nguyễn Văn An"));
                           name->setText(QStringLiteral("Nguyễn Văn Ân"));
                           pressDone(*d.frame);
                       });
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->topLevelItem(0)->text(0), QStringLiteral("Nguyễn Văn Ân"));

        whenChildOpens([&] { return w.openChild(); },
                       [&](shell::FullScreenDialog* child) {
                           auto* entry = qobject_cast<BirthEntryDialog*>(child);
                           qobject_cast<QLineEdit*>(entry->control(IdcBirthName))
                               ->setText(QStringLiteral("Mới"));
                           pressDone(*d.frame);
                       });
        w.softKeyBar()->action(CmdSavedChartsNew)->trigger();
        QCOMPARE(view->topLevelItemCount(), 4);
        QCOMPARE(view->topLevelItem(3)->text(0), QStringLiteral("Mới"));

        w.selectRow(1);
        w.softKeyBar()->action(CmdSavedChartsDelete)->trigger();
        QCOMPARE(view->topLevelItemCount(), 3);
        // Nothing is written before "Lưu thông tin".
        QCOMPARE(d.root.get(kData + QStringLiteral("luulaso.dat")).size(), 3 * 564);
        w.softKeyBar()->action(CmdSavedChartsSave)->trigger();
        const charts::SavedCharts saved = charts::readSavedCharts(
            d.root.host(kData + QStringLiteral("luulaso.dat")).toStdString());
        QCOMPARE(int(saved.records.size()), 3);
        QCOMPARE(charts::fieldText(saved.records[0].name), std::u16string(u"Nguyễn Văn Ân"));
        QCOMPARE(charts::fieldText(saved.records[2].name), std::u16string(u"Mới"));
        QCOMPARE(int(saved.records[2].lunarMonth), 12); // 1 January 1990 is lunar 5/12

        w.selectRow(2);
        pressDone(*d.frame);
        QVERIFY(!w.isOpen());
        QVERIFY(w.chosen().has_value());
        QCOMPARE(charts::fieldText(w.chosen()->name), std::u16string(u"Mới"));
    }

    void unreadableSavedChartsAreToldAndKept() {
        Device d;
        QVERIFY(QDir().mkpath(d.root.host(kData + QStringLiteral("luulaso.dat"))));
        velmora::testing::MessageBoxWatcher boxes;
        SavedChartsWindow w(d.frame.get(), kFolder);
        QVERIFY(w.open());
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Không tìm thấy file luulaso.dat")});
        QCOMPARE(boxes.captions, QStringList{QStringLiteral("Có lỗi")});
        QCOMPARE(w.listView()->topLevelItemCount(), 0);
        w.softKeyBar()->action(CmdSavedChartsSave)->trigger();
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts[1].contains(QStringLiteral("không ghi đè")));
        QVERIFY(QFileInfo(d.root.host(kData + QStringLiteral("luulaso.dat"))).isDir());
        pressDone(*d.frame); // "OK" without a person closes without a chart
        QVERIFY(!w.chosen().has_value());
    }

    void mainMenuOpensTheListThenTheChosenChart() {
        Device d;
        d.saveCharts({person(u"Nguyễn Văn An", 1984, 2, 2, 4, 0, true)});
        auto* main = new MainWindow(d.state, *d.frame);
        installTools(*main);
        QVERIFY(main->hasTool(CmdPurpleStar) && main->hasTool(CmdFourPillars));
        QString shown;
        whenChildOpens([&] { return d.frame->findChild<SavedChartsWindow*>(); },
                       [&](shell::FullScreenDialog* list) {
                           qobject_cast<SavedChartsWindow*>(list)->selectRow(0);
                           whenChildOpens(
                               [&] { return d.frame->findChild<PurpleStarWindow*>(); },
                               [&](shell::FullScreenDialog* chart) {
                                   shown =
                                       qobject_cast<PurpleStarWindow*>(chart)->viewer()->source();
                                   pressDone(*d.frame);
                               });
                           pressDone(*d.frame);
                       });
        main->onCommand(CmdSavedCharts);
        QVERIFY(shown.contains(QStringLiteral("Nguyễn Văn An")));
        QVERIFY(shown.contains(QStringLiteral("Thuỷ Nhị Cục")));
    }

    // ------------------------------------------------------------ screenshots

    void screenshots_data() { velmora::testing::addProfileRows(); }
    void screenshots() {
        QFETCH(QString, profile);
        useProfile(profile);
        Device d;
        d.saveCharts({person(u"Nguyễn Văn An", 1984, 2, 2, 4, 0, true, u"0903111222"),
                      person(u"Lê Thị Bình", 1985, 1, 2, 23, 15, false, u"0912555666"),
                      person(u"Trần Thị Thu Hương", 1962, 12, 31, 0, 5, false)});
        const charts::BirthRecord who = person(u"Nguyễn Thị Ánh Tuyết", 1962, 12, 31, 0, 5, false);
        {
            PurpleStarWindow w(d.frame.get(), d.state);
            QVERIFY(w.open());
            QVERIFY(w.receiveBirth(who));
            QVERIFY(
                shell::saveScreenshot(*d.frame, shotPath(QStringLiteral("purple-star"), profile)));
            w.select(w.chart().lifePalace);
            QVERIFY(shell::saveScreenshot(*d.frame,
                                          shotPath(QStringLiteral("purple-star-palace"), profile)));
            w.setWide(true);
            QVERIFY(shell::saveScreenshot(*d.frame,
                                          shotPath(QStringLiteral("purple-star-wide"), profile)));
            w.done(shell::IDCANCEL);
        }
        {
            FourPillarsWindow w(d.frame.get(), d.state);
            QVERIFY(w.open());
            QVERIFY(w.receiveBirth(who));
            QVERIFY(
                shell::saveScreenshot(*d.frame, shotPath(QStringLiteral("four-pillars"), profile)));
            w.done(shell::IDCANCEL);
        }
        {
            SavedChartsWindow w(d.frame.get(), kFolder);
            QVERIFY(w.open());
            w.selectRow(1);
            QVERIFY(
                shell::saveScreenshot(*d.frame, shotPath(QStringLiteral("saved-charts"), profile)));
            w.done(shell::IDCANCEL);
        }
        {
            BirthEntryDialog w(d.frame.get());
            QVERIFY(w.open());
            QVERIFY(
                shell::saveScreenshot(*d.frame, shotPath(QStringLiteral("birth-entry"), profile)));
            w.done(shell::IDCANCEL);
        }
    }
};

QTEST_MAIN(ChartWindowsTest)
#include "ChartWindowsTest.moc"
