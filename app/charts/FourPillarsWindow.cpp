// The four-pillars window: receiving a birth, luck commands and taps.
#include "app/charts/FourPillarsWindow.h"

#include "app/charts/FourPillarsPainter.h"
#include "app/res/CommandIds.h"

#include <QPainter>

namespace velmora::app {

using shell::MenuItem;

namespace {

// "Đại vận N" sets the first shown and the selected luck to N.
struct LuckCommand {
    int id;
    int firstLuck;
};
constexpr LuckCommand kLuckCommands[] = {{CmdFourPillarsLuck0, 0},
                                         {CmdFourPillarsLuck2, 2},
                                         {CmdFourPillarsLuck4, 4},
                                         {CmdFourPillarsLuck6, 6},
                                         {CmdFourPillarsLuck8, 8}};

} // namespace

std::vector<MenuItem> fourPillarsMenu() {
    std::vector<MenuItem> items = {{CmdFourPillarsNew, QStringLiteral("Lá số mới"), 0, {}},
                                   {CmdFourPillarsOpenSaved, QStringLiteral("Mở lưu kiện"), 0, {}},
                                   {0, {}, shell::MenuSeparator, {}}};
    for (const LuckCommand& c : kLuckCommands)
        items.push_back({c.id, QStringLiteral("Đại vận %1").arg(c.firstLuck), 0, {}});
    items.push_back({0, {}, shell::MenuSeparator, {}});
    items.push_back({CmdFourPillarsWide, QStringLiteral("Xem rộng"), 0, {}});
    items.push_back({shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}});
    return items;
}

FourPillarsWindow::FourPillarsWindow(QWidget* owner, ProgramState& state)
    : ChartWindow(owner, state, QStringLiteral("Tử bình"), fourPillarsMenu(),
                  {CmdFourPillarsNew, CmdFourPillarsOpenSaved, CmdFourPillarsWide}) {
    setObjectName(QStringLiteral("FourPillarsWindow"));
    view_ = makeView(QStringLiteral("FourPillarsView"),
                     [this](QPainter& p, QSize size) { paintFourPillars(p, size, set_); });
}

bool FourPillarsWindow::onOpen() {
    view_->setGeometry(rect());
    view_->setFocus();
    return true;
}

bool FourPillarsWindow::receiveBirth(const charts::BirthRecord& birth) {
    if (!charts::receiveBirth(set_, birth)) {
        tellInvalidBirth();
        return false;
    }
    set_.clientWidth = view_->width();
    set_.clientHeight = view_->height();
    set_.wide = isWide();
    view_->update();
    return true;
}

void FourPillarsWindow::onTap(QPoint pos) {
    if (set_.day.nNam == 0) return;
    const int column = luckColumnAt(pos.x(), pos.y(), view_->width(), view_->height());
    if (column < 0) return;
    charts::selectLuckColumn(set_, column);
    view_->update();
}

void FourPillarsWindow::onCommand(int id) {
    for (const LuckCommand& c : kLuckCommands)
        if (id == c.id) {
            if (set_.day.nNam != 0) charts::chooseFirstLuck(set_, c.firstLuck);
            view_->update();
            return;
        }
    ChartWindow::onCommand(id);
    set_.wide = isWide();
}

void FourPillarsWindow::resizeEvent(QResizeEvent* event) {
    view_->setGeometry(rect());
    set_.clientWidth = width();
    set_.clientHeight = height();
    ChartWindow::resizeEvent(event);
}

} // namespace velmora::app
