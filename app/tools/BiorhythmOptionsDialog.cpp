// Building and saving the biorhythm options.
#include "app/tools/BiorhythmOptionsDialog.h"

#include "app/res/CommandIds.h"
#include "platform/shell/ControlId.h"

#include "platform/device/DeviceClock.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MenuBarFailure.h"
#include "platform/shell/MessageBox.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

unsigned averageLengthOf(const QString& text) {
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    return ok ? value : 0;
}

std::vector<shell::MenuItem> BiorhythmOptionsDialog::optionsMenu() {
    return {{CmdBiorhythmOptionsSave, QStringLiteral("Lưu thông tin"), 0, {}}};
}

BiorhythmOptionsDialog::BiorhythmOptionsDialog(QWidget* owner, BiorhythmSettings& settings,
                                               const QString& programFolder,
                                               std::vector<shell::MenuItem> menu)
    : FullScreenDialog(owner, QStringLiteral("Nhịp sinh học"), menu), settings_(settings),
      programFolder_(programFolder) {
    setObjectName(QStringLiteral("BiorhythmOptions"));
    menuBarFailed_ = shell::menuPopupMissing(*this, menu);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(ScaleX(6), ScaleY(6), ScaleX(6), ScaleY(6));
    grid->setHorizontalSpacing(ScaleX(6));
    grid->setVerticalSpacing(ScaleY(4));
    lastPeriod_ = shell::withControlId(new QDateEdit(this), IdcBiorhythmLastPeriod);
    lastPeriod_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    average_ = shell::withControlId(new QLineEdit(this), IdcBiorhythmAverage);
    average_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,10}")), average_));
    showStrip_ = shell::withControlId(
        new QCheckBox(QStringLiteral("Hiện thị trong nhịp sinh học"), this), IdcBiorhythmShowStrip);
    grid->addWidget(new QLabel(QStringLiteral("Ngày kỳ trước"), this), 0, 0);
    grid->addWidget(lastPeriod_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Số ngày trung bình"), this), 1, 0);
    grid->addWidget(average_, 1, 1);
    grid->addWidget(showStrip_, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    const SYSTEMTIME& last = settings_.lastPeriod;
    const QDate stored(last.wYear, last.wMonth, last.wDay);
    lastPeriod_->setDate(stored.isValid() ? stored : device::localNow().date());
    average_->setText(QString::number(settings_.averageLength));
    showStrip_->setChecked(settings_.showStrip == 1);
}

QWidget* BiorhythmOptionsDialog::control(int id) const {
    return shell::findControl(*this, id);
}

void BiorhythmOptionsDialog::onCommand(int id) {
    if (id == shell::IDCANCEL) {
        done(id);
        return;
    }
    if (id != shell::IDOK) return; // "Lưu thông tin" has no action
    const unsigned average = averageLengthOf(average_->text());
    if (average < kShortestCycle || average > kLongestCycle) {
        shell::messageBox(this, QStringLiteral("Số ngày trung bình của chu kỳ không hợp lệ"),
                          QStringLiteral("Có lỗi"), shell::MB_OK | shell::MB_ICONWARNING);
        return;
    }
    const QDate d = lastPeriod_->date();
    settings_.lastPeriod = SYSTEMTIME{uint16_t(d.year()),
                                      uint16_t(d.month()),
                                      uint16_t(d.dayOfWeek() % 7),
                                      uint16_t(d.day()),
                                      0,
                                      0,
                                      0,
                                      0};
    settings_.averageLength = average;
    settings_.showStrip = showStrip_->isChecked() ? 1 : 0;
    writeBiorhythmSettings(settings_, programFolder_); // a file that cannot be written is skipped
    done(id);
}

void BiorhythmOptionsDialog::showEvent(QShowEvent* event) {
    FullScreenDialog::showEvent(event);
    if (menuBarFailed_) shell::tellMenuBarFailureOnce(this, reported_);
}

} // namespace velmora::app
