// Tap-and-hold recognition: a press held still for about half a second asks for a context menu.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmora::shell {

class TapAndHold : public QObject {
    Q_OBJECT
  public:
    static constexpr int kHoldMs = 500;

    // Watches widget's left-button presses; lives as long as the widget.
    static TapAndHold* install(QWidget* widget);

    // How far the pointer may wander (in device pixels) before the hold is abandoned.
    static int slop();

  signals:
    // pos in the widget's coordinates, where the press began.
    void held(QPoint pos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit TapAndHold(QWidget* widget);
    QPointer<QWidget> widget_;
    QTimer timer_;
    QPoint pressAt_;
    bool swallowRelease_ = false;
};

} // namespace velmora::shell
