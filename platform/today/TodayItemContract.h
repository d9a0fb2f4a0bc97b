// The contract between the Today screen and the items it hosts: the item description, the
// messages both sides exchange, and the plug-in's two entries, exported under their ordinals.
// Host and plug-in share only this header (and Qt).
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace velmora::todayscreen {

inline constexpr uint32_t WM_USER = 0x0400;

// Sent by the Today screen to an item window.
inline constexpr uint32_t WM_TODAYCUSTOM_CLEARCACHE = WM_USER + 242;
// lParam: the item's TodayListItem. The item may change its height there and answers true
// when it did (the Today screen then lays the items out again), false otherwise.
inline constexpr uint32_t WM_TODAYCUSTOM_QUERYREFRESHCACHE = WM_USER + 243;
// wParam: the virtual key that brought the selection (0 for a tap); answer true to take it.
inline constexpr uint32_t WM_TODAYCUSTOM_RECEIVEDSELECTION = WM_USER + 244;
inline constexpr uint32_t WM_TODAYCUSTOM_LOSTSELECTION = WM_USER + 245;
// wParam: a virtual key pressed while the item is selected. For up and down, an answer of false
// lets the Today screen move the selection to the next item.
inline constexpr uint32_t WM_TODAYCUSTOM_USERNAVIGATION = WM_USER + 246;
// The action key was pressed while the item is selected.
inline constexpr uint32_t WM_TODAYCUSTOM_ACTION = WM_USER + 247;

// Sent by an item to the Today screen (its parent window).
// wParam: one of the TODAYCOLOR_ values; the answer is a COLORREF (0x00BBGGRR).
inline constexpr uint32_t TODAYM_GETCOLOR = WM_USER + 100;
// lParam: a TodayDrawWatermarkInfo*; the Today screen draws its background under the item.
inline constexpr uint32_t TODAYM_DRAWWATERMARK = WM_USER + 101;

inline constexpr uint32_t TODAYCOLOR_TEXT = 0x10000004;
inline constexpr uint32_t TODAYCOLOR_HIGHLIGHT = 0x10000022;
inline constexpr uint32_t TODAYCOLOR_HIGHLIGHTEDTEXT = 0x10000023;

// Virtual keys, as the device numbers them.
inline constexpr uint32_t VK_RETURN = 13;
inline constexpr uint32_t VK_LEFT = 37;
inline constexpr uint32_t VK_UP = 38;
inline constexpr uint32_t VK_RIGHT = 39;
inline constexpr uint32_t VK_DOWN = 40;

// One registered item, as the Today screen keeps it.
struct TodayListItem {
    char16_t name[32]; // the item's registry name, "VelmoraToday"
    uint32_t type;     // 4: a custom item from a plug-in
    uint32_t order;    // position among the items, lowest first
    int32_t height;    // pixels; the item sets it when answering the refresh query
    uint32_t enabled;  // 0: the user switched the item off; it must create no window
    uint32_t options;  // non-zero: the plug-in has an options dialog (ordinal 241)
    void* library;     // the Today screen's handle of the loaded plug-in
    QWidget* window;   // what ordinal 240 returned
    char16_t dll[260]; // the plug-in's device path
};

struct TodayDrawWatermarkInfo {
    QPainter* painter; // draws into the item's off-screen picture
    QRect rect;        // in the item's coordinates
    QWidget* window;   // the item window
};

// Ordinal 240: creates the item window as a child of the Today window, or returns null (a
// disabled item).
using InitializeCustomItemFn = QWidget* (*)(TodayListItem* item, QWidget* todayWindow);
// Ordinal 241: runs the item's options dialog modally over owner; returns 1 (Done) or 2.
using CustomItemOptionsFn = intptr_t (*)(QWidget* owner, TodayListItem* item);

inline constexpr int kInitializeItemOrdinal = 240;
inline constexpr int kItemOptionsOrdinal = 241;
inline constexpr uint32_t kCustomItemType = 4;

// The symbol under which a plug-in exports an ordinal: "TodayOrdinal240".
inline QByteArray ordinalSymbol(int ordinal) {
    return QByteArrayLiteral("TodayOrdinal") + QByteArray::number(ordinal);
}

// A message delivered to a window as an event, answered synchronously through `result`. Its
// event type is fixed, so host and plug-in agree without registering anything.
inline constexpr QEvent::Type kTodayMessageEvent = QEvent::Type(QEvent::User + 0x3F3);

class TodayMessage : public QEvent {
  public:
    TodayMessage(uint32_t msg, uintptr_t w, intptr_t l)
        : QEvent(kTodayMessageEvent), message(msg), wParam(w), lParam(l) {}
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t result = 0;
};

// Sends a message to a window and returns its answer; 0 for no window or no answer.
inline intptr_t sendTodayMessage(QObject* window, uint32_t msg, uintptr_t wParam = 0,
                                 intptr_t lParam = 0) {
    if (!window) return 0;
    TodayMessage message(msg, wParam, lParam);
    QCoreApplication::sendEvent(window, &message);
    return message.result;
}

} // namespace velmora::todayscreen
