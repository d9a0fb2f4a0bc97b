// The about box: the program's name and version, its maker and where updates are published.
#pragma once

#include "platform/shell/FullScreenDialog.h"

namespace velmora::app {

class AboutDialog : public velmora::shell::FullScreenDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);
};

} // namespace velmora::app
