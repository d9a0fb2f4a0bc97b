// The day page: the calendar leaf that fills the main window, with its field choosers.
#pragma once

#include "app/res/CommandIds.h"
#include "app/shell/DayPageModel.h"
#include "app/shell/DayPagePainter.h"

#include "platform/shell/ChooserPopup.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmora::app {

class DayPage : public QWidget {
    Q_OBJECT
  public:
    DayPage(DayPageModel& model, QString programFolder, QWidget* parent = nullptr);

    DayPageModel& model() { return model_; }
    // The weather shown in the panel of tall portrait screens (null: none).
    void setWeather(const velmora::weather::WeatherView* weather) { weather_ = weather; }

    // The 500 ms clock timer; the main window stops it while the almanac runs.
    void startClock();
    void stopClock();
    bool clockRunning() const { return clock_.isActive(); }
    // One tick of the clock timer, as the timer would run it.
    void clockTick();

    void goToToday();
    // Opens the list of the selected field (nothing for no field or the empty position).
    void openChooser();
    // The open field list, or null.
    velmora::shell::ChooserPopup* chooser() const {
        return chooser_ && chooser_->isOpen() ? chooser_.data() : nullptr;
    }
    void closeChooser();

    // The page as painted now, for tests and benchmarks.
    QImage render();

  signals:
    void chooserOpened();
    void fullScreenToggled();
    // The device clock read a moment outside 1800-2199 (said once per page): the page shows the
    // nearest supported day instead.
    void clockOutsideRange(const SYSTEMTIME& clock);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void applyChoice(int row);
    DayPageScene scene() const;

    DayPageModel& model_;
    QString programFolder_;
    const velmora::weather::WeatherView* weather_ = nullptr;
    // Reads the device clock, telling once when it lies outside the supported years.
    SYSTEMTIME readClock();

    QTimer clock_;
    bool toldClockOutsideRange_ = false;
    QPointer<velmora::shell::ChooserPopup> chooser_;
};

} // namespace velmora::app
