// The purple-star window: receiving a birth, selecting palaces, the viewer and the menu.
#include "app/charts/PurpleStarWindow.h"

#include "app/charts/ChartFiles.h"
#include "app/charts/PurpleStarHtml.h"
#include "app/charts/PurpleStarPainter.h"
#include "app/charts/PurpleStarRules.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramDataFile.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/TapAndHold.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velmora::app {

using shell::MenuItem;

namespace {

const QString kHint = QStringLiteral(
    "<HTML><BODY leftmargin=5><font size = 1>Chưa có lá số. Chọn <b>Lá số mới</b> để nhập ngày "
    "giờ sinh, hoặc <b>Mở lưu kiện</b> để chọn một người đã lưu (menu <b>Mục chọn</b>, hoặc "
    "chạm giữ trên lá số).</font></BODY></HTML>");

} // namespace

std::vector<MenuItem> purpleStarMenu() {
    const char* palaces[12] = {"Cung mệnh", "Phụ mẫu", "Phúc đức", "Điền trạch",
                               "Quan lộc",  "Nô bộc",  "Thiên di", "Tật ách",
                               "Tài bạch",  "Tử tức",  "Phu thê",  "Huynh đệ"};
    std::vector<MenuItem> stars;
    for (int k = 0; k < 12; ++k)
        stars.push_back({CmdPurpleStarPalaceFirst + k, QString::fromUtf8(palaces[k]), 0, {}});
    stars.push_back({0, {}, shell::MenuSeparator, {}});
    stars.push_back({CmdPurpleStarWhole, QStringLiteral("Xem tổng thể"), 0, {}});
    return {{CmdPurpleStarNew, QStringLiteral("Lá số mới"), 0, {}},
            {CmdPurpleStarOpenSaved, QStringLiteral("Mở lưu kiện"), 0, {}},
            {0, QStringLiteral("Xem sao"), 0, stars},
            {CmdPurpleStarWide, QStringLiteral("Xem rộng"), 0, {}},
            {0, {}, shell::MenuSeparator, {}},
            {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
}

PurpleStarWindow::PurpleStarWindow(QWidget* owner, ProgramState& state, ViewerFactory makeViewer)
    : ChartWindow(owner, state, QStringLiteral("Tử vi - Đẩu số"), purpleStarMenu(),
                  {CmdPurpleStarNew, CmdPurpleStarOpenSaved, CmdPurpleStarWide}),
      chart_(std::make_unique<charts::PurpleStarChart>()), makeViewer_(std::move(makeViewer)) {
    setObjectName(QStringLiteral("PurpleStarWindow"));
    chart_->selectedPalace = kNoPalace;
    if (!makeViewer_) makeViewer_ = [](QWidget* parent) { return new html::HtmlViewer(parent); };
    view_ = makeView(QStringLiteral("PurpleStarView"),
                     [this](QPainter& p, QSize size) { paintPurpleStarChart(p, size, *chart_); });
}

PurpleStarWindow::~PurpleStarWindow() = default;

bool PurpleStarWindow::onOpen() {
    viewer_ = makeViewer_(this);
    if (!viewer_) {
        showChartError(this, QStringLiteral("Không mở được trình xem HTML"));
        return false;
    }
    viewer_->setObjectName(QStringLiteral("PurpleStarViewer"));
    viewer_->setFocusPolicy(Qt::NoFocus); // keys stay with the chart
    viewer_->viewport()->installEventFilter(this);
    viewer_->show();
    layoutChildren();
    ShowSelection();
    view_->setFocus();
    return true;
}

bool PurpleStarWindow::receiveBirth(const charts::BirthRecord& birth) {
    chart_->birth = birth;
    chart_->clientWidth = view_->width();
    chart_->clientHeight = view_->height();
    const charts::ChartOutcome outcome = charts::ComputePurpleStarChart(
        *chart_, state_.currentDay.record.nCanChiNam,
        programDataFile(state_.programFolder, charts::kStarFileName));
    layoutChildren();
    ShowSelection();
    if (!outcome.birthValid) {
        tellInvalidBirth();
        return false;
    }
    if (outcome.starFile != files::ReadStatus::Ok)
        showChartError(this, QStringLiteral("Không tìm thấy file saotuvi.dat"));
    return true;
}

void PurpleStarWindow::ShowSelection() {
    if (viewer_) {
        viewer_->clear();
        viewer_->addText(chart_->computed ? QString::fromStdU16String(purpleStarHtml(*chart_))
                                          : kHint);
        viewer_->endOfSource();
    }
    view_->update();
}

void PurpleStarWindow::select(int position) {
    chart_->selectedPalace =
        chart_->computed && position >= 0 && position < 12 ? position : kNoPalace;
    ShowSelection();
}

bool PurpleStarWindow::eventFilter(QObject* watched, QEvent* event) {
    // The viewer covers the centre cells: a tap on it (not a drag) is a tap on the centre.
    if (viewer_ && watched == viewer_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            pressAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (event->type() == QEvent::MouseButtonRelease &&
            (static_cast<QMouseEvent*>(event)->position().toPoint() - pressAt_).manhattanLength() <=
                shell::TapAndHold::slop())
            select(kNoPalace);
    }
    return ChartWindow::eventFilter(watched, event);
}

void PurpleStarWindow::onTap(QPoint pos) {
    select(palaceAtPoint(pos.x(), pos.y(), view_->width(), view_->height()));
}

void PurpleStarWindow::onViewKey(QKeyEvent* event) {
    const shell::DeviceKey k = shell::deviceKeyOf(*event);
    const int selected = chart_->selectedPalace;
    switch (k) {
    case shell::DeviceKey::Enter:
        if (chart_->computed) select(enterSelection(selected, chart_->lifePalace));
        break;
    case shell::DeviceKey::Left:
        select(movedSelection(selected, ArrowKey::Left));
        break;
    case shell::DeviceKey::Up:
        select(movedSelection(selected, ArrowKey::Up));
        break;
    case shell::DeviceKey::Right:
        select(movedSelection(selected, ArrowKey::Right));
        break;
    case shell::DeviceKey::Down:
        select(movedSelection(selected, ArrowKey::Down));
        break;
    default:
        ChartWindow::onViewKey(event); // Back and 0: the wide view
        return;
    }
    event->accept();
}

void PurpleStarWindow::onCommand(int id) {
    if (id >= CmdPurpleStarPalaceFirst && id <= CmdPurpleStarPalaceLast) {
        select(palaceOfCommand(id, chart_->lifePalace));
        return;
    }
    if (id == CmdPurpleStarWhole) {
        select(kNoPalace);
        return;
    }
    ChartWindow::onCommand(id);
}

void PurpleStarWindow::layoutChildren() {
    view_->setGeometry(rect());
    chart_->clientWidth = width();
    chart_->clientHeight = height();
    if (viewer_) {
        // A strip above or below the viewer only where a label of this chart sits.
        int top = 0, bottom = 0;
        if (chart_->computed)
            for (int first : {chart_->tuan, chart_->triet})
                (labelOnTop(first) ? top : bottom) = labelStripHeight();
        const LabelBox b = viewerBox(width(), height(), top, bottom);
        viewer_->setGeometry(b.x, b.y, b.width, b.height);
        viewer_->raise();
    }
}

void PurpleStarWindow::resizeEvent(QResizeEvent* event) {
    layoutChildren();
    ChartWindow::resizeEvent(event);
}

} // namespace velmora::app
