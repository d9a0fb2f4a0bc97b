// The item window's procedure and its input.
#include "today/TodayItemWindow.h"

#include "today/OptionsDialog.h"
#include "today/TodayIds.h"
#include "today/TodayPainter.h"
#include "today/WeatherPopup.h"
#include "today/WeatherUpdate.h"

#include "platform/device/DeviceClock.h"
#include "platform/device/StartProgram.h"
#include "platform/ipc/Endpoint.h"
#include "platform/ipc/Messaging.h"
#include "platform/registry/RegistryKey.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/TapAndHold.h"
#include "platform/today/NamedEvent.h"
#include "suite/personal/PersonalFile.h"
#include "suite/weather/WeatherLoader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace velmora::today {

using namespace velmora::todayscreen;
using registry::RegistryKey;
using registry::Status;

namespace {

TodayItemWindow* g_current = nullptr;

const QString kMainProgramKey = QStringLiteral("Software\\VelmoraSoft\\LichVelmora");
const QString kClockProgram = QStringLiteral("\\Windows\\Clock.exe");

bool screenIsLandscape() {
    const screen::Profile& p = screen::current();
    return p.height < p.width;
}

} // namespace

std::vector<shell::MenuItem> todayItemMenu(int page) {
    std::vector<shell::MenuItem> pages;
    for (int p = 0; p < kPageCount; ++p)
        pages.push_back({CmdTodayChoosePage,
                         QStringLiteral("Trang %1").arg(p + 1),
                         shell::MenuRadio | (p == page ? shell::MenuChecked : 0u),
                         {}});
    return {
        {int(CmdTodayUpdate), QStringLiteral("Cập nhật"), 0, {}},
        {CmdTodayToday, QStringLiteral("Hôm nay"), 0, {}},
        {0, QStringLiteral("Chọn trang"), 0, pages},
        {CmdTodayMainProgram, QStringLiteral("Lịch Velmora"), 0, {}},
        {CmdTodayOptions, QStringLiteral("Tùy chọn"), 0, {}},
    };
}

TodayItemWindow* TodayItemWindow::current() {
    return g_current;
}

TodayItemWindow::TodayItemWindow(TodayListItem* description, QWidget* todayWindow)
    : QWidget(todayWindow), today_(todayWindow) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("VelmoraToday")); // the window class's name (string resource 1)
    const int dpi = screen::current().dpi;         // read once and kept
    state_.units = Units{dpi, dpi};
    state_.landscape = screenIsLandscape();
    state_.settings.currentCity = 0;
    state_.subPage = 0;
    loadSettings();
    clock_.start(kTickMs, this);
    showToday(state_, device::localSystemTime());
    reloadWeather();
    state_.page = 0;
    state_.status = UpdateIdle;
    layoutItem(state_);
    resize(todayWindow ? todayWindow->width() : screen::current().width, 0);
    if (description) description->height = 0;

    // The address other programs reach the item by, kept where LichVelmora looks for it.
    handle_ = ipc::registerEndpoint(this, [this](uint32_t msg, uint32_t w, int32_t l) {
        return int32_t(TodayItemWndProc(msg, w, l));
    });
    RegistryKey key;
    if (handle_ != 0 &&
        RegistryKey::currentUser().open(QString::fromUtf16(kHandleKey), &key) == Status::Success)
        key.setDword(QString::fromUtf16(kHandleValue), handle_);

    connect(shell::TapAndHold::install(this), &shell::TapAndHold::held, this,
            &TodayItemWindow::showMenu);
    g_current = this;
    show();
}

TodayItemWindow::~TodayItemWindow() {
    clock_.stop();
    if (g_current == this) g_current = nullptr;
    // An update still under way finishes on its own; it is waited for a little, so that it is
    // not cut off while writing the registry when the Today screen closes. A finished thread is
    // deleted here: its own deferred deletion needs an event loop that may no longer run.
    if (update_ && update_->wait(3000)) delete update_.data();
}

void TodayItemWindow::loadSettings() {
    state_.settings = LoadTodaySettings();
    state_.personal = personal::readPersonalRecord();
}

void TodayItemWindow::reloadWeather() {
    weather::LoadWeatherView(state_.weather, state_.city(), device::localSystemTime());
}

void TodayItemWindow::postRedraw() {
    if (handle_ != 0)
        ipc::post(handle_, WM_VL_REDRAW, 0, 0);
    else
        update();
}

intptr_t TodayItemWindow::TodayItemWndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    switch (msg) {
    case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
        auto* item = reinterpret_cast<TodayListItem*>(lParam);
        if (!item || !isEventSet(kShellApiReady)) return 0;
        state_.landscape = screenIsLandscape();
        layoutItem(state_);
        const int height = itemHeight(state_.units, state_.landscape);
        if (height == item->height) return 0;
        item->height = height;
        return 1;
    }
    case WM_TODAYCUSTOM_RECEIVEDSELECTION:
        state_.selected = true;
        return 1;
    case WM_TODAYCUSTOM_LOSTSELECTION:
        state_.selected = false;
        return 0;
    case WM_TODAYCUSTOM_USERNAVIGATION:
        if (!navigate(state_, uint32_t(wParam))) return 0;
        postRedraw();
        return 1;
    case WM_TODAYCUSTOM_ACTION:
        startMainProgram();
        return 0;
    case WM_VL_STATUS:
        if (wParam == UpdateStarted) {
            state_.status = UpdateStarted;
            update();
        } else if (wParam == UpdateFinished) {
            state_.status = UpdateFinished;
            reloadWeather();
            update();
        }
        return 0;
    case WM_VL_REDRAW:
        update();
        return 0;
    case WM_VL_RELOAD:
        loadSettings();
        layoutItem(state_); // the pages may have changed with the settings
        reloadWeather();
        postRedraw();
        return 0;
    case WM_COMMAND:
        command(int(wParam & 0xFFFF));
        return 0;
    default:
        return 0; // the reminder list's announcement among others: nothing to do
    }
}

bool TodayItemWindow::event(QEvent* event) {
    if (event->type() == kTodayMessageEvent) {
        auto* m = static_cast<TodayMessage*>(event);
        m->result = TodayItemWndProc(m->message, m->wParam, m->lParam);
        return true;
    }
    return QWidget::event(event);
}

QImage TodayItemWindow::picture() {
    const auto highlight =
        COLORREF(sendTodayMessage(today_, TODAYM_GETCOLOR, TODAYCOLOR_HIGHLIGHT));
    return PaintTodayItem(size(), state_, highlight, [this](QPainter& p, const QRect& r) {
        TodayDrawWatermarkInfo info{&p, r, this};
        sendTodayMessage(today_, TODAYM_DRAWWATERMARK, 0, reinterpret_cast<intptr_t>(&info));
    });
}

void TodayItemWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture()); // one copy of the finished picture
}

void TodayItemWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != clock_.timerId()) return QWidget::timerEvent(event);
    clockTick();
}

void TodayItemWindow::clockTick() {
    if (tick(state_, device::localSystemTime())) {
        reloadWeather();
        update();
    }
}

void TodayItemWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) down_ = event->position().toPoint();
}

void TodayItemWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    switch (stroke(state_, down_, event->position().toPoint())) {
    case StrokeEffect::None:
        return;
    case StrokeEffect::Redraw:
        break;
    case StrokeEffect::ReloadWeather:
        reloadWeather();
        break;
    case StrokeEffect::WeatherPopup:
        openWeatherPopup();
        return;
    case StrokeEffect::StartClock:
        device::startProgram(kClockProgram, {}); // a device without a clock program: nothing
        return;
    }
    postRedraw();
}

void TodayItemWindow::mouseDoubleClickEvent(QMouseEvent*) {
    startMainProgram();
}

void TodayItemWindow::showMenu(QPoint at) {
    QPointer<TodayItemWindow> self(this);
    QMenu* menu = shell::buildMenu(todayItemMenu(state_.page), this, [self](int id) {
        if (self) self->command(id);
    });
    // "Chọn trang" shows the page chosen.
    if (QMenu* pages = menu->actions().value(2) ? menu->actions()[2]->menu() : nullptr)
        for (int p = 0; p < pages->actions().size(); ++p)
            connect(pages->actions()[p], &QAction::triggered, this, [this, p] {
                state_.page = p;
                layoutItem(state_);
                postRedraw();
            });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    shell::popupInsideWindow(menu, this, mapToGlobal(at));
}

void TodayItemWindow::command(int id) {
    switch (id) {
    case CmdTodayUpdate:
        startUpdate();
        break;
    case CmdTodayToday:
        showToday(state_, device::localSystemTime());
        postRedraw();
        break;
    case CmdTodayMainProgram:
        startMainProgram();
        break;
    case CmdTodayOptions:
        runOptionsDialog(this);
        break;
    default: // "Trang 1" … "Trang 4" act through their own entries
        break;
    }
}

void TodayItemWindow::startUpdate() {
    if (*updating_) return;
    QPointer<TodayItemWindow> self(this);
    // Boxes are shown by the window thread; the update goes on meanwhile.
    TellUser tell = [self](const QString& text, bool owned) {
        QMetaObject::invokeMethod(
            qApp,
            [self, text, owned] {
                shell::messageBox(owned ? self.data() : nullptr, text, QStringLiteral("Có lỗi"),
                                  owned ? shell::MB_OK : shell::MB_OK | shell::MB_ICONERROR);
            },
            Qt::QueuedConnection);
    };
    update_ = startWeatherUpdate(handle_, state_.city(), updating_, tell);
    if (!update_)
        shell::messageBox(this, QStringLiteral("Không cập nhật được"), QStringLiteral("Có lỗi"),
                          shell::MB_OK | shell::MB_ICONERROR);
}

void TodayItemWindow::openWeatherPopup() {
    const SYSTEMTIME now = device::localSystemTime();
    weather::LoadHourlyWeather(state_.hourly, state_.city(), now);
    state_.hourlyDay = now;
    QWidget* frame = window();
    WeatherPopup popup(state_, QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()), this);
    popup.exec();
}

void TodayItemWindow::startMainProgram() {
    RegistryKey key;
    QString folder;
    if (RegistryKey::currentUser().open(kMainProgramKey, &key) == Status::Success) {
        const Status s = key.getString(QStringLiteral("ThuMucLich"), &folder);
        if (s != Status::Success && s != Status::NotFound) folder = QStringLiteral("\\Windows");
    }
    if (!device::startProgram(folder + QStringLiteral("\\LichVelmora.exe"), {}))
        device::startProgram(kClockProgram, {});
}

} // namespace velmora::today
