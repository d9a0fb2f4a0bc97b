// The birth-data dialog "Nhập lá số": name, contact texts, birth date and time, sex. On "OK" it
// hands the birth record it built to whoever opened it.
#pragma once

#include "platform/shell/FullScreenDialog.h"
#include "suite/charts/BirthRecord.h"

#include <QDateTime>

class QDateTimeEdit;
class QLineEdit;
class QRadioButton;

namespace velmora::app {

// The birth moments the dialog offers: the years the calendar computes.
QDateTime earliestChartBirth();
QDateTime latestChartBirth();

class BirthEntryDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // Empty ("Nam" checked, 01/01/1990 00:00), or filled from a record to edit it.
    explicit BirthEntryDialog(QWidget* owner, const charts::BirthRecord* edit = nullptr);

    // The record built on "OK": texts up to 49 characters (the code number and the reserved
    // byte of an edited record kept), date and time from the picker, the sex, and the derived
    // values computed from the date.
    const charts::BirthRecord& record() const { return record_; }

    QWidget* control(int id) const;

  protected:
    void onCommand(int id) override;

  private:
    bool accept();

    charts::BirthRecord record_{};
    QLineEdit* name_;
    QLineEdit* company_;
    QLineEdit* address_;
    QLineEdit* telephone_;
    QLineEdit* email_;
    QDateTimeEdit* birth_;
    QRadioButton* male_;
    QRadioButton* female_;
};

} // namespace velmora::app
