// The options dialog's pages, tabs and Done.
#include "today/OptionsDialog.h"

#include "today/OptionsPages.h"
#include "today/TodayIds.h"
#include "today/TodayItemWindow.h"

#include "platform/ipc/Messaging.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MessageBox.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace velmora::today {

shell::MenuBarDescription optionsKeys() {
    shell::MenuBarDescription keys;
    keys.leftId = shell::IDCANCEL;
    keys.leftText = QStringLiteral("Trở về");
    keys.rightText = QStringLiteral("Muc chon");
    keys.rightMenu = {{shell::IDOK, QStringLiteral("Xong"), 0, {}},
                      {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
    return keys;
}

OptionsDialog::OptionsDialog(QWidget* owner, TodaySettings& settings, Units units,
                             TodayItemWindow* item, shell::MenuBarDescription keys)
    : shell::FullScreenDialog(keys, owner, QString::fromUtf16(kOptionsTitle)), settings_(settings),
      units_(units), item_(item) {
    setProperty("controlId", IddOptions);
    menuBarFailed_ = !shell::isValidMenuBar(keys);
    settings_ = LoadTodaySettings();

    tabs_ = new QTabWidget(this);
    tabs_->setProperty("controlId", IdcOptionsTabs);
    tabs_->setTabPosition(QTabWidget::South);
    // Five tabs side by side on the narrowest screen: a smaller font and no scroll arrows.
    QFont tabFont = tabs_->font();
    tabFont.setPixelSize(std::max(8, units_.y(10)));
    tabs_->tabBar()->setFont(tabFont);
    tabs_->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: %1px %2px; }").arg(units_.y(2)).arg(units_.x(2)));
    tabs_->tabBar()->setUsesScrollButtons(false);
    tabs_->tabBar()->setExpanding(true);
    pages_ = {makeDisplayPage(settings_), makeFormatPage(settings_, units_), new PlacesPage,
              makeUpdatePage(settings_), makeAboutPage(units_)};
    for (int i = 0; i < 5; ++i)
        tabs_->addTab(pages_[size_t(i)], QString::fromUtf16(kOptionsTabs[i]));
}

void OptionsDialog::resizeEvent(QResizeEvent* event) {
    shell::FullScreenDialog::resizeEvent(event);
    // The tab control starts 2 units left of the client area, so its frame does not show there.
    tabs_->setGeometry(-units_.x(2), 0, width() + units_.x(2), height());
}

PlacesPage* OptionsDialog::places() const {
    return static_cast<PlacesPage*>(pages_[2]);
}

bool OptionsDialog::onOpen() {
    if (menuBarFailed_)
        QTimer::singleShot(0, this, [this] {
            shell::messageBox(this, QStringLiteral("Lỗi tạo menu"), QStringLiteral("Có lỗi"),
                              shell::MB_OK);
        });
    return true;
}

void OptionsDialog::save() {
    collectDisplayPage(pages_[0], settings_);
    collectFormatPage(pages_[1], settings_);
    const UpdateChoice choice = collectUpdatePage(pages_[3]);
    settings_.connection = connectionValue(choice);
    settings_.update = updateValue(choice);
    settings_.cityCount = saveCityRows(places()->rows());
    SaveTodaySettings(settings_); // a failed write is passed over, as on the device
    if (item_) {
        layoutItem(item_->state());
        ipc::post(item_->handle(), WM_VL_REDRAW, 0, 0);
        item_->update();
    }
}

void OptionsDialog::onCommand(int id) {
    if (id == shell::IDOK) save();
    if (id == shell::IDOK || id == shell::IDCANCEL) done(id);
}

intptr_t runOptionsDialog(QWidget* owner) {
    TodayItemWindow* item = TodayItemWindow::current();
    TodaySettings standalone;
    const int dpi = screen::current().dpi;
    OptionsDialog dialog(owner, item ? item->state().settings : standalone,
                         item ? item->state().units : Units{dpi, dpi}, item);
    return dialog.exec() == shell::IDOK ? 1 : 2;
}

} // namespace velmora::today
