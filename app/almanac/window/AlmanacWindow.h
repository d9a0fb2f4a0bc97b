// The almanac window ("Lịch vạn sự"): the month panel over the HTML reading of CurrentDay.
#pragma once

#include "AlmanacGrid.h"
#include "DeviceFrame.h"
#include "HtmlViewer.h"
#include "MonthPanel.h"
#include "ProgramState.h"
#include "SoftKeyBar.h"

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace velmora::app {

// Commands of the window's menu bar.
enum AlmanacCommand : int {
    CmdAlmanacStars = 40010, // left key: "Xem sao" / "Chọn lịch", moves the focus
    CmdAlmanacMenu = 40001,  // right key: "Mục chọn"
    CmdAlmanacToday = 40073, // "Hôm nay"
};

// The window's soft keys: left "Xem sao", right "Mục chọn" with "Hôm nay", a separator, "Trở về".
velmora::shell::MenuBarSpec almanacMenuBar();

class AlmanacWindow : public QWidget {
    Q_OBJECT
  public:
    // Makes the reading's viewer; null when the HTML control cannot be started.
    using ViewerFactory = std::function<velmora::html::HtmlViewer*(QWidget* parent)>;

    // Works on state.currentDay; the viewer comes from makeViewer (the platform's by default).
    AlmanacWindow(QWidget* owner, ProgramState& state, ViewerFactory makeViewer = {});
    ~AlmanacWindow() override;

    // Runs modally over the owner's frame until Done or "Trở về"; returns 0.
    int exec();
    // Shows the window in the frame and composes the first reading; false (and the window
    // closed again) when the viewer could not be started.
    bool open();
    // Ends the window; the grid's field and cursor are reset.
    void done();
    bool isOpen() const { return open_; }

    // A command of the menu bar or the Done button.
    void onCommand(int id);
    // Composes CurrentDay's reading into the viewer and puts the cursor back on its cell.
    void recompose();

    MonthPanel* panel() const { return panel_; }
    velmora::html::HtmlViewer* viewer() const { return viewer_; }
    velmora::shell::SoftKeyBar* softKeyBar() const { return bar_; }
    const AlmanacGridState& grid() const { return grid_; }
    AlmanacGridState& grid() { return grid_; }
    bool gridHasFocus() const { return gridFocus_; }
    // How many readings were composed since the window was made.
    int compositions() const { return compositions_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void layoutChildren();
    void setGridFocus(bool focused);
    void showGridFocus(bool focused);
    void closeWindow();

    ProgramState& state_;
    ViewerFactory makeViewer_;
    AlmanacGridState grid_;
    MonthPanel* panel_;
    QPointer<velmora::html::HtmlViewer> viewer_;
    QPointer<velmora::shell::SoftKeyBar> bar_; // a child of the frame, which may go first
    QPointer<velmora::shell::DeviceFrame> frame_;
    std::unique_ptr<velmora::shell::DeviceFrame> ownFrame_; // when the owner has no frame
    QMetaObject::Connection doneConnection_;
    QEventLoop* loop_ = nullptr;
    bool open_ = false;
    bool gridFocus_ = false;
    int compositions_ = 0;
};

} // namespace velmora::app
