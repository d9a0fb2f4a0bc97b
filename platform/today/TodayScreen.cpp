// Hosting item windows: creation by ordinal 240, layout, selection, keys, background.
#include "platform/today/TodayScreen.h"

#include "platform/gdi/ColorRef.h"
#include "platform/shell/DeviceKey.h"
#include "platform/today/TodayScreenLayout.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace velmora::todayscreen {

namespace {
void copyName(char16_t* target, int width, const QString& text) {
    const int n = std::min<int>(int(text.size()), width - 1);
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), n, target);
    target[n] = u'\0';
}
} // namespace

TodayScreen::TodayScreen(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refreshTimer_.setInterval(kRefreshIntervalMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &TodayScreen::refreshItems);
    refreshTimer_.start();
}

// Item windows go before the libraries that hold their code.
TodayScreen::~TodayScreen() {
    for (Hosted& h : items_) delete h.window.data();
}

QStringList TodayScreen::loadRegisteredItems() {
    QStringList report;
    for (const ItemRegistration& reg : registeredItems()) {
        LoadedPlugin plugin = loadPlugin(reg.dll);
        if (!plugin.init) {
            report << QStringLiteral("%1: %2").arg(reg.name, plugin.error);
            continue;
        }
        Hosted hosted;
        hosted.description = std::make_unique<TodayListItem>();
        TodayListItem& d = *hosted.description;
        d = TodayListItem{};
        copyName(d.name, 32, reg.name);
        copyName(d.dll, 260, reg.dll);
        d.type = kCustomItemType;
        d.order = reg.order;
        d.enabled = reg.enabled ? 1 : 0;
        d.options = reg.options && plugin.options ? 1 : 0;
        d.library = plugin.library.get();
        hosted.options = plugin.options;
        hosted.library = std::move(plugin.library);
        host(std::move(hosted), plugin.init);
    }
    refreshItems();
    return report;
}

bool TodayScreen::addItem(const QString& name, InitializeCustomItemFn init,
                          CustomItemOptionsFn options, bool enabled) {
    Hosted hosted;
    hosted.description = std::make_unique<TodayListItem>();
    *hosted.description = TodayListItem{};
    copyName(hosted.description->name, 32, name);
    hosted.description->type = kCustomItemType;
    hosted.description->enabled = enabled ? 1 : 0;
    hosted.description->options = options ? 1 : 0;
    hosted.options = options;
    const bool created = host(std::move(hosted), init);
    refreshItems();
    return created;
}

bool TodayScreen::host(Hosted hosted, InitializeCustomItemFn init) {
    QWidget* window = init ? init(hosted.description.get(), this) : nullptr;
    if (!window) return false; // a disabled item, or one that failed
    hosted.description->window = window;
    hosted.window = window;
    window->installEventFilter(this);
    items_.push_back(std::move(hosted));
    layoutItems();
    return true;
}

QWidget* TodayScreen::itemWindow(int index) const {
    return index >= 0 && index < itemCount() ? items_[size_t(index)].window.data() : nullptr;
}

const TodayListItem* TodayScreen::itemDescription(int index) const {
    return index >= 0 && index < itemCount() ? items_[size_t(index)].description.get() : nullptr;
}

std::vector<QRect> TodayScreen::itemRects() const {
    std::vector<int> heights;
    for (const Hosted& h : items_) heights.push_back(h.window ? h.description->height : 0);
    return stackItems(heights, width());
}

void TodayScreen::layoutItems() {
    const std::vector<QRect> rects = itemRects();
    for (size_t i = 0; i < items_.size(); ++i) {
        QWidget* w = items_[i].window;
        if (!w) continue;
        w->setGeometry(rects[i]);
        w->setVisible(!rects[i].isEmpty());
    }
    update();
}

void TodayScreen::refreshItems() {
    bool changed = false;
    for (Hosted& h : items_)
        if (h.window && sendTodayMessage(h.window, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0,
                                         reinterpret_cast<intptr_t>(h.description.get())))
            changed = true;
    const std::vector<QRect> rects = itemRects();
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].window && items_[i].window->geometry() != rects[i]) changed = true;
    if (changed) layoutItems();
}

void TodayScreen::select(int index, uint32_t key) {
    if (index < -1 || index >= itemCount()) index = -1;
    if (index == selected_) return;
    if (QWidget* old = itemWindow(selected_)) {
        sendTodayMessage(old, WM_TODAYCUSTOM_LOSTSELECTION);
        old->update();
    }
    selected_ = index;
    if (QWidget* now = itemWindow(selected_)) {
        if (!sendTodayMessage(now, WM_TODAYCUSTOM_RECEIVEDSELECTION, key))
            selected_ = -1; // the item does not take the selection
        now->update();
    }
}

void TodayScreen::navigate(uint32_t virtualKey) {
    QWidget* item = itemWindow(selected_);
    if (virtualKey == VK_RETURN) {
        if (item) sendTodayMessage(item, WM_TODAYCUSTOM_ACTION);
        return;
    }
    const bool handled = item && sendTodayMessage(item, WM_TODAYCUSTOM_USERNAVIGATION, virtualKey);
    if (!handled && (virtualKey == VK_UP || virtualKey == VK_DOWN))
        select(moveSelection(itemRects(), selected_, virtualKey == VK_DOWN), virtualKey);
}

intptr_t TodayScreen::openOptions(int index) {
    if (index < 0 || index >= itemCount() || !items_[size_t(index)].options ||
        !items_[size_t(index)].description->options)
        return 0;
    Hosted& h = items_[size_t(index)];
    const intptr_t result = h.options(this, h.description.get());
    refreshItems(); // the options may have changed what the item shows
    if (h.window) h.window->update();
    return result;
}

std::vector<int> TodayScreen::itemsWithOptions() const {
    std::vector<int> list;
    for (int i = 0; i < itemCount(); ++i)
        if (items_[size_t(i)].options && items_[size_t(i)].description->options) list.push_back(i);
    return list;
}

bool TodayScreen::event(QEvent* event) {
    if (event->type() != kTodayMessageEvent) return QWidget::event(event);
    auto* m = static_cast<TodayMessage*>(event);
    switch (m->message) {
    case TODAYM_GETCOLOR:
        m->result = m->wParam == TODAYCOLOR_HIGHLIGHT         ? kHighlightColor
                    : m->wParam == TODAYCOLOR_HIGHLIGHTEDTEXT ? kHighlightedTextColor
                    : m->wParam == TODAYCOLOR_TEXT            ? kTextColor
                                                              : 0;
        return true;
    case TODAYM_DRAWWATERMARK: {
        const auto* info = reinterpret_cast<const TodayDrawWatermarkInfo*>(m->lParam);
        if (!info || !info->painter) return true;
        // The item's rectangle in screen coordinates, so the background runs on unbroken.
        const QRect area =
            info->window && info->window->parentWidget() == this
                ? QRect(info->window->mapTo(this, info->rect.topLeft()), info->rect.size())
                : info->rect;
        drawWatermark(*info->painter, info->rect, area, size());
        m->result = 1;
        return true;
    }
    default:
        return true;
    }
}

bool TodayScreen::eventFilter(QObject* watched, QEvent* event) {
    // A tap on an item gives it the selection before the item sees the tap.
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < itemCount(); ++i)
            if (items_[size_t(i)].window == watched) {
                select(i, 0);
                break;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void TodayScreen::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    drawWatermark(p, event->rect(), event->rect(), size());
}

void TodayScreen::keyPressEvent(QKeyEvent* event) {
    switch (shell::deviceKeyOf(*event)) {
    case shell::DeviceKey::Up:
        return navigate(VK_UP);
    case shell::DeviceKey::Down:
        return navigate(VK_DOWN);
    case shell::DeviceKey::Left:
        return navigate(VK_LEFT);
    case shell::DeviceKey::Right:
        return navigate(VK_RIGHT);
    case shell::DeviceKey::Enter:
        return navigate(VK_RETURN);
    default:
        QWidget::keyPressEvent(event);
    }
}

void TodayScreen::mousePressEvent(QMouseEvent* event) {
    // A tap on the free area below the items takes the selection away.
    setFocus();
    if (itemAt(itemRects(), event->position().toPoint()) < 0) select(-1);
    QWidget::mousePressEvent(event);
}

void TodayScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    refreshItems();
    layoutItems();
}

} // namespace velmora::todayscreen
