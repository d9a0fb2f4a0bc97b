// The main window's texts, soft-key bar and main menu, as tables.
#pragma once

#include "platform/shell/SoftKeyBar.h"

#include <QString>

namespace velmora::app {

inline constexpr char16_t kWindowTitle[] = u"Lịch Velmora 3.0"; // string 1
inline constexpr char16_t kWindowClass[] = u"LICHVELMORA";      // string 2

// The left soft key's three captions.
inline constexpr char16_t kLeftKeyAlmanac[] = u"Lịch vạn sự";   // when the window is created
inline constexpr char16_t kLeftKeyToday[] = u"Hôm nay";         // while a field chooser is open
inline constexpr char16_t kLeftKeyBackToday[] = u"Lịch Vạn Sự"; // after going back to today

// Menu bar 102: left "Chọn nhanh" (40000), right "Mục chọn" opening menu 102.
velmora::shell::MenuBarDescription mainMenuBar();

} // namespace velmora::app
