// The purple-star chart window ("Tử vi - Đẩu số"): the chart's twelve palaces around an HTML
// viewer that shows the chart's summary or the stars of the selected palace.
#pragma once

#include "app/charts/ChartWindow.h"
#include "platform/html/HtmlViewer.h"
#include "suite/charts/PurpleStarChart.h"

#include <QPointer>
#include <functional>
#include <memory>

namespace velmora::app {

// Menu 164, on the "Mục chọn" key and on tap-and-hold.
std::vector<shell::MenuItem> purpleStarMenu();

class PurpleStarWindow : public ChartWindow {
    Q_OBJECT
  public:
    using ViewerFactory = std::function<html::HtmlViewer*(QWidget* parent)>;

    // Starts with a zero chart; the stars of the current year follow state.currentDay.
    PurpleStarWindow(QWidget* owner, ProgramState& state, ViewerFactory makeViewer = {});
    ~PurpleStarWindow() override;

    bool receiveBirth(const charts::BirthRecord& birth) override;

    // Refreshes the viewer for the current selection and repaints.
    void ShowSelection();
    // Selects a palace position, or none (kNoPalace).
    void select(int position);

    const charts::PurpleStarChart& chart() const { return *chart_; }
    ChartView* view() const { return view_; }
    html::HtmlViewer* viewer() const { return viewer_; }

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onTap(QPoint pos) override;
    void onViewKey(QKeyEvent* event) override;

  private:
    void layoutChildren();

    std::unique_ptr<charts::PurpleStarChart> chart_;
    ViewerFactory makeViewer_;
    ChartView* view_;
    QPointer<html::HtmlViewer> viewer_;
    QPoint pressAt_;
};

} // namespace velmora::app
