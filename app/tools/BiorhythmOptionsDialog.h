// The biorhythm options: the last period's date, the average length of the cycle and whether the
// strip is shown; Done checks the length and saves the settings.
#pragma once

#include "app/tools/BiorhythmSettings.h"

#include "platform/shell/FullScreenDialog.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace velmora::app {

// The average lengths Done accepts.
inline constexpr unsigned kShortestCycle = 20;
inline constexpr unsigned kLongestCycle = 45;

// The number edit's text read as an unsigned number, as the device reads it: 0 when it is not
// one.
unsigned averageLengthOf(const QString& text);

class BiorhythmOptionsDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Menu 169: "Lưu thông tin".
    static std::vector<shell::MenuItem> optionsMenu();

    BiorhythmOptionsDialog(QWidget* owner, BiorhythmSettings& settings,
                           const QString& programFolder,
                           std::vector<shell::MenuItem> menu = optionsMenu());

    QWidget* control(int id) const;

  protected:
    void onCommand(int id) override;
    void showEvent(QShowEvent* event) override;

  private:
    BiorhythmSettings& settings_;
    QString programFolder_;
    bool menuBarFailed_ = false;
    bool reported_ = false;
    QDateEdit* lastPeriod_ = nullptr;
    QLineEdit* average_ = nullptr;
    QCheckBox* showStrip_ = nullptr;
};

} // namespace velmora::app
