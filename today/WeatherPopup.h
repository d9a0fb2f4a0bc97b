// The weather pop-up (dialog 109): today's eight three-hourly slots of the shown city in a small
// window at the middle of the screen, closed by a tap anywhere or by leaving it.
#pragma once

#include "today/TodayItemModel.h"

#include <QDialog>
#include <QImage>

namespace velmora::today {

// The pop-up's picture at its size for the current units.
QImage paintWeatherPopup(const TodayItemState& state, QSize size);

class WeatherPopup : public QDialog {
    Q_OBJECT
  public:
    // Places itself at the middle of the screen (screenArea: the device screen in global
    // coordinates), 210 × 100 units.
    WeatherPopup(const TodayItemState& state, const QRect& screenArea, QWidget* owner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    const TodayItemState& state_;
};

} // namespace velmora::today
