// The almanac window: menu bar, layout, the reading in the HTML viewer, focus and "Hôm nay".
#include "app/almanac/AlmanacWindow.h"
#include "app/shell/ProgramDataFile.h"

#include "platform/device/DeviceClock.h"
#include "platform/device/DeviceRoot.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/MessageBox.h"
#include "suite/almanac/AlmanacReading.h"

#include <QKeyEvent>
#include <filesystem>

namespace velmora::app {

using velmora::shell::MenuItem;
using velmora::shell::MenuSeparator;

namespace {

const QString kTitle = QStringLiteral("Lịch vạn sự");
const QString kLeftOnGrid = QStringLiteral("Xem sao");
const QString kLeftOnReading = QStringLiteral("Chọn lịch");

} // namespace

velmora::shell::MenuBarDescription almanacMenuBar() {
    velmora::shell::MenuBarDescription keys;
    keys.leftId = CmdAlmanacStars;
    keys.leftText = kLeftOnGrid;
    keys.rightId = CmdMainMenu;
    keys.rightText = QStringLiteral("Mục chọn");
    keys.rightMenu = {MenuItem{CmdAlmanacToday, QStringLiteral("Hôm nay"), 0, {}},
                      MenuItem{0, {}, MenuSeparator, {}},
                      MenuItem{velmora::shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
    return keys;
}

AlmanacWindow::AlmanacWindow(QWidget* owner, ProgramState& state, ViewerFactory makeViewer)
    : FullScreenDialog(almanacMenuBar(), owner, kTitle, true), state_(state),
      makeViewer_(std::move(makeViewer)) {
    setObjectName(QStringLiteral("AlmanacWindow"));
    if (!makeViewer_)
        makeViewer_ = [](QWidget* parent) { return new velmora::html::HtmlViewer(parent); };
    panel_ = new MonthPanel(state_.currentDay, grid_, this);
    connect(panel_, &MonthPanel::dayChanged, this, &AlmanacWindow::recompose);
    connect(panel_, &MonthPanel::focusChanged, this, &AlmanacWindow::showGridFocus);
}

AlmanacWindow::~AlmanacWindow() {
    // Leaving the frame moves the focus off the panel; by then only the dialog part of
    // this window is left to hear about it.
    disconnect(panel_, nullptr, this, nullptr);
}

int AlmanacWindow::exec() {
    FullScreenDialog::exec();
    return 0;
}

bool AlmanacWindow::onOpen() {
    grid_ = AlmanacGridState{};
    viewer_ = makeViewer_(this);
    if (!viewer_) {
        velmora::shell::messageBox(this, QStringLiteral("Unable to Launch Browser"),
                                   QStringLiteral("Browser Control Problem:"),
                                   velmora::shell::MB_OK);
        return false;
    }
    viewer_->setObjectName(QStringLiteral("AlmanacReading"));
    viewer_->setFocusPolicy(Qt::StrongFocus);
    viewer_->enableClearType(false);
    viewer_->show();
    layoutChildren();
    recompose();
    setGridFocus(true);
    return true;
}

void AlmanacWindow::onClosed() {
    panel_->closeList();
    grid_ = AlmanacGridState{}; // field -1, cursor (0, 0), cursor mode 0
}

void AlmanacWindow::onCommand(int id) {
    switch (id) {
    case velmora::shell::IDOK:
    case velmora::shell::IDCANCEL:
        done(id);
        break;
    case CmdAlmanacStars:
        setGridFocus(!gridFocus_);
        break;
    case CmdAlmanacToday:
        state_.currentDay.goToNow(velmora::device::localSystemTime());
        recompose();
        break;
    default:
        break;
    }
}

void AlmanacWindow::recompose() {
    if (!viewer_) return;
    ++compositions_;
    const LICHVELMORA day = state_.currentDay.record;
    const velmora::almanac::AlmanacReading reading = velmora::almanac::ComposeAlmanacReading(
        day, {programDataFile(state_.programFolder, velmora::almanac::kAuspiciousFileName),
              programDataFile(state_.programFolder, velmora::almanac::kInauspiciousFileName)});
    for (const velmora::almanac::StarFileIssue& issue : reading.fileIssues)
        velmora::shell::messageBox(
            this, QString::fromStdU16String(velmora::almanac::starFileMessage(issue)),
            QString::fromUtf16(velmora::almanac::kErrorCaption.data(),
                               qsizetype(velmora::almanac::kErrorCaption.size())),
            velmora::shell::MB_OK | velmora::shell::MB_TOPMOST);
    if (!viewer_) return; // the window may have gone while a message box was open
    viewer_->clear();
    viewer_->addText(QString::fromStdU16String(reading.html), false);
    viewer_->endOfSource();
    grid_.field = AlmanacDayGrid;
    grid_.cursorMode = CursorFollowsDay;
    grid_.followDay(state_.currentDay.record);
    setGridFocus(true);
    panel_->update();
}

void AlmanacWindow::setGridFocus(bool focused) {
    showGridFocus(focused);
    if (focused)
        panel_->setFocus();
    else if (viewer_)
        viewer_->setFocus();
}

void AlmanacWindow::showGridFocus(bool focused) {
    gridFocus_ = focused;
    velmora::shell::SetSoftKeyText(softKeyBar(), CmdAlmanacStars,
                                   focused ? kLeftOnGrid : kLeftOnReading);
}

void AlmanacWindow::layoutChildren() {
    const ScreenOrientation orientation = velmora::screen::GetScreenOrientation();
    panel_->setGeometry(0, 0, width(), monthPanelHeight(orientation));
    if (viewer_) viewer_->setGeometry(readingViewerRect(size(), orientation));
    panel_->update();
}

void AlmanacWindow::resizeEvent(QResizeEvent* event) {
    layoutChildren();
    if (isOpen()) setGridFocus(true);
    FullScreenDialog::resizeEvent(event);
}

} // namespace velmora::app
