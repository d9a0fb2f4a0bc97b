// What the two chart windows share: their menu on the soft key and on tap-and-hold, the wide
// view, and the birth data that come from "Lá số mới" or "Mở lưu kiện".
#pragma once

#include "app/shell/ProgramState.h"
#include "platform/shell/FullScreenDialog.h"
#include "suite/charts/BirthRecord.h"

#include <QImage>
#include <QPointer>
#include <functional>

class QKeyEvent;
class QPainter;

namespace velmora::app {

// A chart as painted: off screen into an image, copied at once; taps and keys go to the window.
class ChartView : public QWidget {
    Q_OBJECT
  public:
    using Paint = std::function<void(QPainter& painter, QSize size)>;

    ChartView(const QString& name, Paint paint, QWidget* parent);
    QImage render() const;

  signals:
    void tapped(QPoint pos);
    void keyPressed(QKeyEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    Paint paint_;
};

class ChartWindow : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    struct Commands {
        int newChart;  // "Lá số mới"
        int openSaved; // "Mở lưu kiện"
        int wide;      // "Xem rộng"
    };

    ChartWindow(QWidget* owner, ProgramState& state, const QString& title,
                std::vector<shell::MenuItem> menu, Commands commands);
    ~ChartWindow() override;

    // The birth data arrive (the product's WM_USER+52): the window computes and shows the chart.
    // False, after telling the user, when the record holds no usable birth moment.
    virtual bool receiveBirth(const charts::BirthRecord& birth) = 0;

    bool isWide() const { return wide_; }
    // Takes the whole screen over the task bar and the soft keys, or goes back to the work area.
    void setWide(bool wide);

    // The dialog this window opened and waits for ("Nhập lá số" or the saved list), or null.
    shell::FullScreenDialog* openChild() const { return child_; }
    // The menu the last tap-and-hold opened, or null.
    QMenu* contextMenu() const { return contextMenu_; }
    const std::vector<shell::MenuItem>& menuItems() const { return menu_; }

  protected:
    void onCommand(int id) override;
    void onClosed() override;
    // Opens the menu at pos of anchor, as a tap-and-hold there does.
    void showContextMenu(QWidget* anchor, QPoint pos);
    // The window's chart view: a tap goes to onTap, a key to onViewKey, a hold opens the menu.
    ChartView* makeView(const QString& name, ChartView::Paint paint);
    virtual void onTap(QPoint pos) = 0;
    // Back and 0 switch the wide view; other keys are left to the view's parents.
    virtual void onViewKey(QKeyEvent* event);
    // Tells the user that the birth data cannot give a chart.
    void tellInvalidBirth();

    ProgramState& state_;

  private:
    void openNewChart();
    void openSavedCharts();

    std::vector<shell::MenuItem> menu_;
    Commands commands_;
    bool wide_ = false;
    QPointer<shell::FullScreenDialog> child_;
    QPointer<QMenu> contextMenu_;
};

} // namespace velmora::app
