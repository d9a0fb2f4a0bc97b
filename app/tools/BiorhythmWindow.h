// The biorhythm window "Nhịp sinh học": four date pickers over the chart of up to six cycles
// with their legend and the menstrual strip; its menu shows and hides the cycles and opens the
// options.
#pragma once

#include "app/tools/BiorhythmChart.h"

#include "platform/shell/FullScreenDialog.h"

class QDateEdit;

namespace velmora::app {

class BiorhythmOptionsDialog;

class BiorhythmWindow : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Menu 142: the six cycles, "Tùy chọn" and "XOY".
    static std::vector<shell::MenuItem> biorhythmMenu();

    // settings: the process-wide record, read from the file at opening and changed here;
    // birth: the personal record's birth date (all zero when none).
    BiorhythmWindow(QWidget* owner, const QString& programFolder, const SYSTEMTIME& birth,
                    BiorhythmSettings& settings);

    QWidget* control(int id) const;
    // What the chart shows now.
    ChartDays days() const { return days_; }
    const BiorhythmSettings& settings() const { return settings_; }
    // The options dialog while it runs, for tests.
    BiorhythmOptionsDialog* options() const { return options_; }

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void place();
    void refreshChecks();
    void datesChanged();

    QString programFolder_;
    SYSTEMTIME birth_;
    BiorhythmSettings& settings_;
    ChartDays days_;
    QDateEdit* birthPicker_ = nullptr;
    QDateEdit* secondBirth_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* view_ = nullptr;
    BiorhythmOptionsDialog* options_ = nullptr;
};

} // namespace velmora::app
