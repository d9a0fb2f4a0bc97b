// What the item's window tests share: a Today screen hosting the item in this process, the
// device's pictures installed, a forecast and a personal record to show.
#pragma once

#include "today/TodayItemWindow.h"

#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/testing/TestDeviceRoot.h"
#include "platform/today/NamedEvent.h"
#include "platform/today/TodayScreen.h"

#include <QDir>
#include <QFile>
#include <memory>

extern "C" QWidget* InitializeCustomItem(velmora::todayscreen::TodayListItem* item,
                                         QWidget* todayWindow);
extern "C" intptr_t CustomItemOptionsDlgProc(QWidget* owner,
                                             velmora::todayscreen::TodayListItem* item);

namespace velmora::today::test {

// The pictures the build drew, copied where the installer puts them, and "ThuMucAnh" there.
void installPictures(const velmora::testing::TestDeviceRoot& root);
// Two checked cities (Hà Nội shown first, then Huế) with a forecast for 31 December 2025.
void storeForecast();
// The personal record with a name, three lines and a birth date.
void storePersonalRecord(const QString& name);

// The Today screen in its device frame at a screen profile, with the item hosted.
struct TodayHarness {
    explicit TodayHarness(const QString& profile);
    ~TodayHarness();
    std::unique_ptr<shell::DeviceFrame> frame;
    todayscreen::TodayScreen* screen = nullptr;
    TodayItemWindow* item() const { return TodayItemWindow::current(); }
};

} // namespace velmora::today::test
