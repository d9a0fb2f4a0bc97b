// "Chọn ngày": the plum-blossom casting from a date and an hour, or from a number and the hour.
#pragma once

#include "app/fengshui/CoinCastDialog.h"

#include <QDateTime>

class QDateTimeEdit;
class QLineEdit;

namespace velmora::app {

class PlumBlossomDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // moment: the picker's start (the day page's day and time).
    PlumBlossomDialog(QWidget* owner, const QDateTime& moment, RandomSource random);

    QWidget* control(int id) const;
    // The cast hexagram once chosen; empty otherwise.
    std::u16string result() const { return result_; }

    static std::vector<shell::MenuItem> popupMenu();
    static QString instructions();

  protected:
    void onCommand(int id) override;

  private:
    fengshui::PlumMoment moment() const;
    void finish(const fengshui::PlumCast& cast);

    RandomSource random_;
    std::u16string result_;
    QDateTimeEdit* picker_;
    QLineEdit* number_;
};

} // namespace velmora::app
