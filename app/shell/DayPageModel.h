// The day page's rules: selection, the clock tick, going back to today, applying a choice.
#pragma once

#include "app/shell/CurrentDay.h"

namespace velmora::app {

class DayPageModel {
  public:
    explicit DayPageModel(CurrentDay& day) : day_(day) {}

    // The page's start: the present moment, following the clock, nothing selected.
    void initialise(const SYSTEMTIME& now);

    // Every 500 ms: follows the clock while it should (a change of minute converts the
    // day afresh, a change of date also recomputes the sun and moon times); true when
    // the page must be repainted.
    bool tick(const SYSTEMTIME& now);

    // Back to the present moment, following the clock again; the selection is cleared.
    void goToToday(const SYSTEMTIME& now);

    // -1 no field, 0..11 a field, 12 the empty position reached by cycling.
    int selectedField() const { return selected_; }
    void setSelectedField(int field) { selected_ = field; }
    void selectNext();     // Down or Right
    void selectPrevious(); // Up or Left
    bool fieldSelected() const { return selected_ >= 0 && selected_ <= 11; }

    // The left soft key reads "Hôm nay" while a chooser has been opened.
    int chooserMode() const { return chooserMode_; }
    void chooserOpened() { chooserMode_ = 1; }

    // Applies entry n of the selected field's list; a real choice stops following the
    // clock and marks the page for repainting.
    void applyChoice(int n);

    void markForRepaint() { repaint_ = true; }

    CurrentDay& day() { return day_; }
    const CurrentDay& day() const { return day_; }

  private:
    CurrentDay& day_;
    int selected_ = -1;
    int chooserMode_ = 0;
    bool repaint_ = false;
};

} // namespace velmora::app
