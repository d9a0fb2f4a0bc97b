// The four-pillars window ("Tử bình"): the pillars, four luck periods and the ten years of the
// selected luck.
#pragma once

#include "app/charts/ChartWindow.h"
#include "suite/charts/FourPillars.h"

namespace velmora::app {

// Menu 177, on the "Mục chọn" key and on tap-and-hold.
std::vector<shell::MenuItem> fourPillarsMenu();

class FourPillarsWindow : public ChartWindow {
    Q_OBJECT
  public:
    FourPillarsWindow(QWidget* owner, ProgramState& state);

    bool receiveBirth(const charts::BirthRecord& birth) override;

    const charts::PillarSet& pillars() const { return set_; }
    ChartView* view() const { return view_; }

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    void resizeEvent(QResizeEvent* event) override;
    void onTap(QPoint pos) override;

  private:
    charts::PillarSet set_;
    ChartView* view_;
};

} // namespace velmora::app
