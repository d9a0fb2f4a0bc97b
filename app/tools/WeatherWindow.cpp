// The weather window: loading the stored forecast, painting it, the city list and the commands.
#include "app/tools/WeatherWindow.h"

#include "app/res/CommandIds.h"
#include "platform/shell/ControlId.h"

#include "platform/device/DeviceClock.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/imaging/ImageFile.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MessageBox.h"
#include "suite/today/TodayUpdate.h"
#include "suite/weather/CityTable.h"
#include "suite/weather/WeatherKeys.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherPurge.h"
#include "suite/weather/WeatherStore.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

namespace {

const QString kTitle = QStringLiteral("Dự báo thời tiết");

QRect scaled(const QRect& r) {
    return QRect(ScaleX(r.x()), ScaleY(r.y()), ScaleX(r.width()), ScaleY(r.height()));
}

bool sameTime(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDay == b.wDay && a.wHour == b.wHour &&
           a.wMinute == b.wMinute && a.wSecond == b.wSecond;
}

} // namespace

shell::MenuBarDescription WeatherWindow::weatherMenuBar() {
    shell::MenuBarDescription keys;
    keys.leftId = CmdWeatherUpdate;
    keys.leftText = QStringLiteral("Cập nhật");
    keys.rightId = CmdMainMenu;
    keys.rightText = QStringLiteral("Mục chọn");
    keys.rightMenu = {{CmdWeatherPurge, QStringLiteral("Xóa dữ liệu cũ"), 0, {}},
                      {CmdWeatherShow, QStringLiteral("Hiển thị"), 0, {}},
                      {0, QString(), shell::MenuSeparator, {}},
                      {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
    return keys;
}

WeatherWindow::WeatherWindow(QWidget* owner, ProgramState& state, uint32_t& cityNumber)
    : FullScreenDialog(weatherMenuBar(), owner, kTitle), state_(state), city_(cityNumber) {
    setObjectName(QStringLiteral("WeatherWindow"));
    watch_.setInterval(1000);
    connect(&watch_, &QTimer::timeout, this, [this] {
        // The Today item's download ends by storing a new update time: show its forecast then.
        weather::WeatherView fresh{};
        weather::LoadWeatherView(fresh, city_, device::localSystemTime());
        if (!sameTime(fresh.updated, watchedUpdate_)) {
            state_.weather = fresh;
            watch_.stop();
            update();
        } else if (++watchedTicks_ * watch_.interval() >= kWatchUpdateMs) {
            watch_.stop();
        }
    });
}

bool WeatherWindow::onOpen() {
    city_ = weather::shownCity().value_or(0);
    reload();
    return true;
}

void WeatherWindow::onClosed() {
    watch_.stop();
    delete list_.data(); // the window has left the frame: no focus to hand back
}

void WeatherWindow::reload() {
    weather::LoadWeatherView(state_.weather, city_, device::localSystemTime());
    update();
}

void WeatherWindow::onCommand(int id) {
    switch (id) {
    case shell::IDOK:
        weather::setShownCity(city_);
        done(id);
        break;
    case shell::IDCANCEL:
        done(id);
        break;
    case CmdWeatherShow:
        reload();
        break;
    case CmdWeatherUpdate:
        requestUpdate();
        break;
    case CmdWeatherPurge:
        purge();
        break;
    default:
        break;
    }
}

void WeatherWindow::requestUpdate() {
    if (!today::requestTodayWeatherUpdate()) {
        shell::messageBox(
            this,
            QStringLiteral("Dự báo thời tiết do VelmoraToday tải về, nhưng VelmoraToday "
                           "hiện không chạy."),
            QStringLiteral("Có lỗi"), shell::MB_OK | shell::MB_ICONWARNING);
        return;
    }
    watchedUpdate_ = state_.weather.updated;
    watchedTicks_ = 0;
    watch_.start();
}

void WeatherWindow::purge() {
    const int index = tableIndexOfSequence(city_);
    if (index < 0) return;
    weather::PurgeWeatherSlots(weather::cityKeyName(index), device::localSystemTime());
    reload();
}

void WeatherWindow::showCityList() {
    if (list_) {
        list_->setFocus();
        return;
    }
    list_ = shell::withControlId(new QListWidget(this), IdcWeatherCityList);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const weather::CityEntry& city : weather::cityTable())
        list_->addItem(QString::fromUtf16(city.name));
    list_->setGeometry(scaled(kCityListRect));
    list_->setCurrentRow(tableIndexOfSequence(city_));
    list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtCenter);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { chooseCity(list_->row(item)); });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { chooseCity(list_->row(item)); });
    list_->show();
    list_->setFocus();
}

void WeatherWindow::removeCityList() {
    if (!list_) return;
    list_->hide();
    list_->deleteLater(); // it may be the list whose signal got us here
    list_ = nullptr;
    setFocus();
}

void WeatherWindow::chooseCity(int tableIndex) {
    removeCityList();
    // A table position stands for the stored city of the subkey named by its index.
    const std::optional<uint32_t> csd = sequenceNumberOfCity(tableIndex);
    if (!csd) {
        shell::messageBox(
            this,
            QStringLiteral("Chưa có dự báo của %1: VelmoraToday chỉ tải dự báo của các "
                           "thành phố được chọn trong mục chọn của nó.")
                .arg(QString::fromUtf16(weather::cityTable()[tableIndex].name)),
            kTitle, shell::MB_OK | shell::MB_ICONINFORMATION);
        return;
    }
    city_ = *csd;
    reload();
}

void WeatherWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (at.x() < ScaleX(kCityBoxWidth) && at.y() < ScaleX(kCityBoxHeight))
        showCityList();
    else
        removeCityList();
    FullScreenDialog::mouseReleaseEvent(event);
}

void WeatherWindow::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_RGB32);
    {
        QPainter p(&buffer);
        p.fillRect(buffer.rect(), gdi::fromColorRef(kWeatherBackground));
        const bool landscape = screen::GetScreenOrientation() == screen::Landscape;
        const WeatherScene scene = weatherScene(state_.weather, state_.programFolder, landscape);
        imaging::drawImageFile(p, scene.background, buffer.rect()); // a missing picture is skipped
        for (const WeatherPicture& picture : scene.pictures)
            imaging::drawImageFile(p, picture.path, scaled(picture.box));
        p.setPen(Qt::white);
        for (const WeatherText& t : scene.texts) {
            p.setFont(gdi::makeFont(QStringLiteral("Tahoma"), -ScaleX(t.size), t.weight));
            gdi::drawText(p, scaled(t.box), t.text, t.flags);
        }
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void WeatherWindow::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    update();
}

} // namespace velmora::app
