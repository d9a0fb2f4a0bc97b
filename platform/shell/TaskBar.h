// The task bar at the top of the device screen: the active window's title, the clock, Done.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

namespace velmora::shell {

class TaskBar : public QWidget {
    Q_OBJECT
  public:
    explicit TaskBar(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return title_->text(); }
    void setDoneVisible(bool visible);
    bool isDoneVisible() const { return !done_->isHidden(); }
    QString clockText() const { return clock_->text(); }

    static int barHeight();

    // Milliseconds from the given time to the next whole minute (at least 1).
    static int msecsToNextMinute(const QTime& now);

  public slots:
    void refreshClock();

  signals:
    void doneClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* title_;
    QLabel* clock_;
    QToolButton* done_;
    QTimer timer_;
};

} // namespace velmora::shell
