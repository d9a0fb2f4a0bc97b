// The weather window "Dự báo thời tiết": the stored forecast of one city (the header, the present
// conditions, the detail lines and seven days of forecasts), the list of cities a tap on the name
// opens, "Cập nhật" asking the Today item for a download and "Xóa dữ liệu cũ" purging old slots.
#pragma once

#include "app/shell/ProgramState.h"
#include "app/tools/WeatherScene.h"

#include "platform/shell/FullScreenDialog.h"

#include <QListWidget>
#include <QPointer>
#include <QTimer>

namespace velmora::app {

class WeatherWindow : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Menu bar 186: left "Cập nhật", right "Mục chọn" with "Xóa dữ liệu cũ", "Hiển thị", "Trở về".
    static shell::MenuBarDescription weatherMenuBar();

    // state: the program folder and the program's WeatherView, which this window fills;
    // cityNumber: the process-wide number of the city shown.
    WeatherWindow(QWidget* owner, ProgramState& state, uint32_t& cityNumber);

    // The city list while it is shown, else null.
    QListWidget* cityList() const { return list_; }
    // Reloads the view of the city number and repaints ("Hiển thị").
    void reload();

    // How long after "Cập nhật" the window watches for the Today item's new forecast.
    static constexpr int kWatchUpdateMs = 60000;

  protected:
    bool onOpen() override;
    void onClosed() override;
    void onCommand(int id) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showCityList();
    void removeCityList();
    void chooseCity(int tableIndex);
    void requestUpdate();
    void purge();

    ProgramState& state_;
    uint32_t& city_;
    QPointer<QListWidget> list_;
    QTimer watch_;
    int watchedTicks_ = 0;
    SYSTEMTIME watchedUpdate_{};
};

} // namespace velmora::app
