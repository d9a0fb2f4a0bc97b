// The chart windows' shared commands: new chart, saved charts, wide view, context menu.
#include "app/charts/ChartWindow.h"

#include "app/charts/BirthEntryDialog.h"
#include "app/charts/ChartFiles.h"
#include "app/charts/SavedChartsWindow.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/TapAndHold.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velmora::app {

ChartView::ChartView(const QString& name, Paint paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

QImage ChartView::render() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter p(&image);
    paint_(p, size());
    return image;
}

void ChartView::paintEvent(QPaintEvent*) {
    const QImage image = render(); // off screen, then copied at once
    QPainter(this).drawImage(0, 0, image);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit tapped(event->position().toPoint());
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    emit keyPressed(event);
}

ChartWindow::ChartWindow(QWidget* owner, ProgramState& state, const QString& title,
                         std::vector<shell::MenuItem> menu, Commands commands)
    : FullScreenDialog(owner, title, menu), state_(state), menu_(std::move(menu)),
      commands_(commands) {}

ChartWindow::~ChartWindow() {
    if (contextMenu_) delete contextMenu_.data();
}

void ChartWindow::setWide(bool wide) {
    shell::DeviceFrame* f = frame();
    if (!f || wide == wide_) return;
    wide_ = wide;
    // Over the frame itself the dialog covers the task bar and the soft keys; back in the work
    // area the frame lays it out again.
    setParent(wide ? static_cast<QWidget*>(f) : f->workArea());
    setGeometry(wide ? f->rect() : f->workArea()->rect());
    if (isOpen()) {
        show();
        raise();
        setFocus();
    }
    if (softKeyBar()) softKeyBar()->setItemChecked(commands_.wide, wide);
}

ChartView* ChartWindow::makeView(const QString& name, ChartView::Paint paint) {
    auto* view = new ChartView(name, std::move(paint), this);
    connect(view, &ChartView::tapped, this, [this](QPoint pos) { onTap(pos); });
    connect(view, &ChartView::keyPressed, this, [this](QKeyEvent* event) { onViewKey(event); });
    connect(shell::TapAndHold::install(view), &shell::TapAndHold::held, this,
            [this, view](QPoint pos) { showContextMenu(view, pos); });
    return view;
}

void ChartWindow::onViewKey(QKeyEvent* event) {
    const shell::DeviceKey k = shell::deviceKeyOf(*event);
    if (k == shell::DeviceKey::Back || k == shell::DeviceKey::Digit0) {
        setWide(!isWide());
        event->accept();
    } else {
        event->ignore();
    }
}

void ChartWindow::tellInvalidBirth() {
    showChartError(this, QStringLiteral("Ngày giờ sinh không hợp lệ hoặc nằm ngoài các năm "
                                        "1800–2199: không lập được lá số."));
}

void ChartWindow::onClosed() {
    setWide(false);
}

void ChartWindow::showContextMenu(QWidget* anchor, QPoint pos) {
    if (contextMenu_) delete contextMenu_.data();
    std::vector<shell::MenuItem> items = menu_;
    for (shell::MenuItem& item : items)
        if (item.id == commands_.wide && wide_) item.flags |= shell::MenuChecked;
    contextMenu_ = shell::buildMenu(items, this, [this](int id) {
        // After the menu has closed: a command may open a dialog of its own.
        QMetaObject::invokeMethod(
            this, [this, id] { onCommand(id); }, Qt::QueuedConnection);
    });
    shell::popupInsideWindow(contextMenu_, anchor, anchor->mapToGlobal(pos));
}

void ChartWindow::onCommand(int id) {
    if (id == commands_.newChart) {
        openNewChart();
    } else if (id == commands_.openSaved) {
        openSavedCharts();
    } else if (id == commands_.wide) {
        setWide(!wide_);
    } else if (id == shell::IDCANCEL && wide_) {
        setWide(false); // "Trở về" first leaves the wide view
    } else {
        FullScreenDialog::onCommand(id);
    }
}

void ChartWindow::openNewChart() {
    setWide(false);
    BirthEntryDialog dialog(this);
    child_ = &dialog;
    const int result = dialog.exec();
    child_ = nullptr;
    if (result == shell::IDOK) receiveBirth(dialog.record());
}

void ChartWindow::openSavedCharts() {
    setWide(false);
    SavedChartsWindow list(this, state_.programFolder);
    child_ = &list;
    const int result = list.exec();
    child_ = nullptr;
    if (result == shell::IDOK && list.chosen()) receiveBirth(*list.chosen());
}

} // namespace velmora::app
