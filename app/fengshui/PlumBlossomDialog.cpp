// The plum-blossom casting dialog: its picker, number field and the three ways to cast.
#include "app/fengshui/PlumBlossomDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/res/CommandIds.h"

#include "VelmoraDay.h"
#include "platform/screen/ScreenProfile.h"

#include <QDateTimeEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

std::vector<shell::MenuItem> PlumBlossomDialog::popupMenu() {
    return {{CmdPlumByDate, QStringLiteral("Theo ngày và giờ"), 0, {}},
            {CmdPlumByNumber, QStringLiteral("Theo số và giờ"), 0, {}},
            {CmdPlumRandom, QStringLiteral("Chọn số ngẫu nhiên"), 0, {}}};
}

QString PlumBlossomDialog::instructions() {
    return QStringLiteral(
        "Đây là phương pháp tính quẻ theo  \"MAI HOA DỊCH SỐ\". Nhập giờ, phút, ngày, tháng, năm "
        "dương lịch để tính quẻ. Có thể kết hợp với giờ và chọn số (hoặc số ngẫu nhiên) để lấy "
        "quẻ.");
}

PlumBlossomDialog::PlumBlossomDialog(QWidget* owner, const QDateTime& moment, RandomSource random)
    : FullScreenDialog(owner, QStringLiteral("Chọn ngày"), popupMenu()),
      random_(std::move(random)) {
    setObjectName(QStringLiteral("PlumBlossomDialog"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(ScaleX(6), ScaleY(6), ScaleX(6), ScaleY(4));
    column->setSpacing(ScaleY(6));
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(ScaleX(6));
    form->setVerticalSpacing(ScaleY(4));
    picker_ = withControlId(new QDateTimeEdit(this), IdcPlumMoment);
    picker_->setTimeSpec(Qt::UTC); // wall-clock fields, never shifted by the host's zone
    picker_->setDisplayFormat(QStringLiteral("HH:mm  dd/MM/yyyy"));
    useDeviceDatePicker(picker_);
    picker_->setDateTimeRange(QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC),
                              QDateTime(QDate(2199, 12, 31), QTime(23, 59), Qt::UTC));
    picker_->setDateTime(moment.isValid() ? QDateTime(moment.date(), moment.time(), Qt::UTC)
                                          : QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC));
    number_ = withControlId(new QLineEdit(this), IdcPlumNumber);
    // Nine digits at most: any such number and an hour stay inside an int.
    number_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), number_));
    number_->setInputMethodHints(Qt::ImhDigitsOnly);
    form->addRow(QStringLiteral("Ngày giờ"), picker_);
    form->addRow(QStringLiteral("Chọn số"), number_);
    column->addLayout(form);
    auto* help = withControlId(new QLabel(instructions(), this), IdcPlumHelp);
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(help, 1);
}

QWidget* PlumBlossomDialog::control(int id) const {
    return findControl(*this, id);
}

fengshui::PlumMoment PlumBlossomDialog::moment() const {
    const QDateTime t = picker_->dateTime();
    return fengshui::plumMoment(systemTime(t.date().year(), t.date().month(), t.date().day(),
                                           t.time().hour(), t.time().minute()));
}

void PlumBlossomDialog::finish(const fengshui::PlumCast& cast) {
    const std::u16string lines = fengshui::castLines(cast);
    if (!fengshui::isHexagram(lines)) return; // never, but a cast without six lines is ignored
    result_ = lines;
    done(shell::IDOK);
}

void PlumBlossomDialog::onCommand(int id) {
    switch (id) {
    case shell::IDOK:
    case CmdPlumByDate:
        finish(fengshui::castByDate(moment()));
        break;
    case CmdPlumByNumber:
        finish(fengshui::castByNumber(number_->text().toLongLong(), moment().hourBranch));
        break;
    case CmdPlumRandom: {
        std::uint8_t byte = 0;
        if (!random_ || !random_(&byte, 1)) {
            tellError(this, QStringLiteral("Không lấy được số ngẫu nhiên"));
            break;
        }
        number_->setText(QString::number(byte));
        break;
    }
    default: // "Trở về" and Done close the dialog
        FullScreenDialog::onCommand(id);
        break;
    }
}

} // namespace velmora::app
