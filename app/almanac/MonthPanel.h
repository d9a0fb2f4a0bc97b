// The almanac's month panel: paints the grid and forwards keys, taps and list picks to its rules.
#pragma once

#include "app/almanac/AlmanacGrid.h"
#include "app/shell/CurrentDay.h"

#include "platform/shell/ChooserPopup.h"
#include <QImage>

#include <QPointer>
#include <QWidget>

namespace velmora::app {

class MonthPanel : public QWidget {
    Q_OBJECT
  public:
    MonthPanel(CurrentDay& day, AlmanacGridState& state, QWidget* parent = nullptr);

    // The open field list, or null.
    velmora::shell::ChooserPopup* list() const {
        return list_ && list_->isOpen() ? list_.data() : nullptr;
    }
    // Opens the selected field's list over the field (nothing for the grid or no field).
    void openList();
    void closeList();

    // Moves CurrentDay to the cursor's cell.
    void chooseCursorCell();

    // The panel as painted now.
    QImage render();

  signals:
    // CurrentDay changed here: the window repaints and recomposes the reading.
    void dayChanged();
    // The panel gained (true) or lost (false) the keyboard focus.
    void focusChanged(bool focused);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Applies entry row of the open field's list.
    void applyList(int field, int row);

    CurrentDay& day_;
    AlmanacGridState& state_;
    QPointer<velmora::shell::ChooserPopup> list_;
};

} // namespace velmora::app
