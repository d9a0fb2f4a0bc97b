// "Lục thập hoa giáp": the sixty years of the cycle with their birth years, names, sound and
// house trigram, from 60hoagiap.dat.
#pragma once

#include "platform/shell/FullScreenDialog.h"
#include "platform/shell/SoftKeyBar.h"

class QTreeWidget;

namespace velmora::app {

class SixtyCycleDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // keys: the dialog's own soft keys; when they cannot make a menu bar the dialog says so and
    // goes on with "Trở về".
    SixtyCycleDialog(QWidget* owner, const QString& programFolder,
                     const shell::MenuBarDescription& keys = menuBar());

    static shell::MenuBarDescription menuBar();

    QTreeWidget* list() const { return list_; }

  protected:
    bool onOpen() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fill();

    QString programFolder_;
    bool menuBarFailed_ = false;
    bool filled_ = false;
    QTreeWidget* list_;
};

} // namespace velmora::app
