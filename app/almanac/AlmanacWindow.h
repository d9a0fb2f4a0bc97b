// The almanac window ("Lịch vạn sự"): the month panel over the HTML reading of CurrentDay.
#pragma once

#include "app/almanac/AlmanacGrid.h"
#include "app/almanac/MonthPanel.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramState.h"
#include "platform/html/HtmlViewer.h"
#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/SoftKeyBar.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace velmora::app {

// The window's soft keys: left "Xem sao", right "Mục chọn" with "Hôm nay", a separator, "Trở về".
velmora::shell::MenuBarDescription almanacMenuBar();

class AlmanacWindow : public velmora::shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Makes the reading's viewer; null when the HTML control cannot be started.
    using ViewerFactory = std::function<velmora::html::HtmlViewer*(QWidget* parent)>;

    // Works on state.currentDay; the viewer comes from makeViewer (the platform's by default).
    AlmanacWindow(QWidget* owner, ProgramState& state, ViewerFactory makeViewer = {});
    ~AlmanacWindow() override;

    // Runs modally over the owner's frame until Done or "Trở về"; returns 0.
    int exec();
    // Ends the window; the grid's field and cursor are reset.
    using FullScreenDialog::done;
    void done() { done(velmora::shell::IDCANCEL); }

    // A command of the menu bar or the Done button.
    void onCommand(int id) override;
    // Composes CurrentDay's reading into the viewer and puts the cursor back on its cell.
    void recompose();

    MonthPanel* panel() const { return panel_; }
    velmora::html::HtmlViewer* viewer() const { return viewer_; }
    const AlmanacGridState& grid() const { return grid_; }
    AlmanacGridState& grid() { return grid_; }
    bool gridHasFocus() const { return gridFocus_; }
    // How many readings were composed since the window was made.
    int compositions() const { return compositions_; }

  protected:
    // Starts the reading's viewer and composes the first reading; false (after telling the
    // user) when the viewer cannot be started.
    bool onOpen() override;
    void onClosed() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layoutChildren();
    void setGridFocus(bool focused);
    void showGridFocus(bool focused);

    ProgramState& state_;
    ViewerFactory makeViewer_;
    AlmanacGridState grid_;
    MonthPanel* panel_;
    QPointer<velmora::html::HtmlViewer> viewer_;
    bool gridFocus_ = false;
    int compositions_ = 0;
};

} // namespace velmora::app
