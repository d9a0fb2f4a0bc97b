// The list that pops up over a field to pick one of its values: the day page's fields, the
// almanac's month panel and every later window use this one popup.
#pragma once

#include <QListWidget>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace velmora::shell {

// A rectangle moved left and up (never beyond the top-left corner) so that it lies inside a
// host of the given size.
QRect keptInside(QRect wanted, QSize host);

class ChooserPopup : public QListWidget {
    Q_OBJECT
  public:
    // Opens a popup over host at place (moved to stay inside host), showing entries with entry
    // `initial` selected and centred (none for -1), and gives it the focus. When it closes, either
    // way, it gives the focus back to `opener` and repaints it, then deletes itself. controlId is
    // the product's id of the list.
    static ChooserPopup* open(QWidget* host, QRect place, const QStringList& entries, int initial,
                              int controlId, QWidget* opener);

    // Whether the popup is still open (it lingers a moment after closing, until deleted).
    bool isOpen() const { return !closing_; }
    // Closes the popup without a choice (no signal).
    void dismiss();

  signals:
    // Enter, or the stylus released on an entry: the popup has closed, row is the choice
    // (-1 when the list was empty).
    void chosen(int row);
    // Left, Right, Escape or the device's back key: the popup has closed without a choice.
    void dismissed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    explicit ChooserPopup(QWidget* host);
    void close(bool choose, bool notify = true);
    bool closing_ = false;
    QPointer<QWidget> opener_;
};

} // namespace velmora::shell
