// The four-pillars window ("Tử bình"): the pillars, four luck periods and the ten years of the
// selected luck.
#pragma once

#include "app/charts/ChartWindow.h"
#include "suite/charts/FourPillars.h"

#include <QImage>

namespace velmora::app {

// Menu 177, on the "Mục chọn" key and on tap-and-hold.
std::vector<shell::MenuItem> fourPillarsMenu();

class FourPillarsView : public QWidget {
    Q_OBJECT
  public:
    FourPillarsView(const charts::PillarSet& set, QWidget* parent);
    QImage render() const;

  signals:
    void tapped(QPoint pos);
    void keyPressed(QKeyEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const charts::PillarSet& set_;
};

class FourPillarsWindow : public ChartWindow {
    Q_OBJECT
  public:
    FourPillarsWindow(QWidget* owner, ProgramState& state);

    bool receiveBirth(const charts::BirthRecord& birth) override;

    const charts::PillarSet& pillars() const { return set_; }
    FourPillarsView* view() const { return view_; }

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void tap(QPoint pos);

    charts::PillarSet set_;
    FourPillarsView* view_;
};

} // namespace velmora::app
