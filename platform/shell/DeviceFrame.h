// The device screen as a top-level window of the profile's exact size: task bar, work area and
// soft-key bar, with full-screen dialogs stacked over the work area.
#pragma once

#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/TaskBar.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace velmora::shell {

class DeviceFrame : public QWidget {
    Q_OBJECT
  public:
    explicit DeviceFrame(QWidget* parent = nullptr);
    ~DeviceFrame() override;

    // The frame a widget lives in, or null.
    static DeviceFrame* of(const QWidget* widget);

    // The program's main window content; the frame takes ownership.
    void setContent(QWidget* content);
    QWidget* content() const { return content_; }
    QWidget* workArea() const { return workArea_; }
    TaskBar* taskBar() const { return taskBar_; }

    // The main window's soft-key bar (may be null); the frame takes ownership.
    void setMenuBar(SoftKeyBar* bar);
    SoftKeyBar* menuBar() const { return mainBar_; }
    // The bar shown now: the active dialog's if one runs.
    SoftKeyBar* activeMenuBar() const;

    void setTitle(const QString& title);

    // Hides the task bar and the soft-key bar so the content fills the screen, and back.
    void setFullScreenMode(bool on);
    bool isFullScreenMode() const { return fullScreen_; }

    // Used by FullScreenDialog: each running dialog brings its title, bar and Done.
    void pushDialog(QWidget* dialog, const QString& title, SoftKeyBar* bar, bool hasDone);
    void popDialog(QWidget* dialog);

    QRect workAreaRect() const; // in frame coordinates

  signals:
    void doneClicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Layer {
        QPointer<QWidget> dialog;
        QString title;
        QPointer<SoftKeyBar> bar;
        bool hasDone;
    };
    void relayout();
    void showTop();

    TaskBar* taskBar_;
    QWidget* workArea_;
    QWidget* content_ = nullptr;
    QPointer<SoftKeyBar> mainBar_;
    QString mainTitle_;
    std::vector<Layer> dialogs_;
    bool fullScreen_ = false;
    bool closing_ = false;
};

} // namespace velmora::shell
