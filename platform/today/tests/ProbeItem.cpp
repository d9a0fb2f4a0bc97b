// A small Today item plug-in for the Today screen's tests: ordinal 240 makes a window that asks
// for the height given by the item's name ("probe40" is 40 pixels high) and keeps a count of the
// messages it gets in its properties; ordinal 241 answers 1.
#include "platform/today/TodayItemContract.h"

#include <QPainter>
#include <QWidget>

using namespace velmora::todayscreen;

namespace {

class ProbeItem : public QWidget {
  public:
    ProbeItem(int height, QWidget* parent) : QWidget(parent), height_(height) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() != kTodayMessageEvent) return QWidget::event(event);
        auto* m = static_cast<TodayMessage*>(event);
        const QByteArray counter = "message" + QByteArray::number(m->message);
        setProperty(counter.constData(), property(counter.constData()).toInt() + 1);
        switch (m->message) {
        case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
            auto* item = reinterpret_cast<TodayListItem*>(m->lParam);
            m->result = item && item->height != height_;
            if (item) item->height = height_;
            break;
        }
        case WM_TODAYCUSTOM_RECEIVEDSELECTION:
            m->result = 1;
            break;
        case WM_TODAYCUSTOM_USERNAVIGATION:
            m->result = m->wParam == VK_LEFT || m->wParam == VK_RIGHT; // up and down pass on
            break;
        default:
            break;
        }
        return true;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        TodayDrawWatermarkInfo info{&p, rect(), this};
        sendTodayMessage(parentWidget(), TODAYM_DRAWWATERMARK, 0,
                         reinterpret_cast<intptr_t>(&info));
    }

  private:
    int height_;
};

} // namespace

extern "C" __attribute__((visibility("default"))) QWidget* TodayOrdinal240(TodayListItem* item,
                                                                           QWidget* today) {
    if (!item || !item->enabled) return nullptr;
    const int height = QString::fromUtf16(item->name).mid(5).toInt();
    return new ProbeItem(height > 0 ? height : 30, today);
}

extern "C" __attribute__((visibility("default"))) intptr_t TodayOrdinal241(QWidget*,
                                                                           TodayListItem*) {
    return 1;
}
