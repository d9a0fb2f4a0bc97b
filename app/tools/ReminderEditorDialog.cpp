// Building, filling and placing the reminder editor's controls.
#include "app/tools/ReminderEditorDialog.h"

#include "app/res/CommandIds.h"
#include "app/tools/CompactList.h"
#include "platform/shell/ControlId.h"

#include "platform/screen/ScreenProfile.h"
#include "platform/shell/MenuBarFailure.h"
#include "platform/shell/MessageBox.h"
#include "suite/reminders/ReminderRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

namespace {

QComboBox* numberList(QWidget* parent, int first, int last, int id) {
    auto* list = shell::withControlId(new CompactList(parent), id);
    for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
    list->setMaxVisibleItems(8);
    return list;
}

} // namespace

ReminderEditorDialog::ReminderEditorDialog(QWidget* owner, const ReminderEditorValues& values,
                                           std::vector<shell::MenuItem> menu)
    : FullScreenDialog(owner, QStringLiteral("Lịch nhắn"), menu) {
    setObjectName(QStringLiteral("ReminderEditor"));
    menuBarFailed_ = shell::menuPopupMissing(*this, menu);
    build();
    load(values);
}

void ReminderEditorDialog::build() {
    const struct {
        int id;
        const char* text;
    } labels[] = {{IdcReminderTitleLabel, "Tên"},    {IdcReminderPlaceLabel, "Địa điểm"},
                  {IdcReminderDayLabel, "Ngày"},     {IdcReminderMonthLabel, "Tháng"},
                  {IdcReminderKindLabel, "Loại"},    {IdcReminderAlarmLabel, "Báo lúc"},
                  {IdcReminderBeforeLabel, "trước"}, {IdcReminderDaysLabel, "ngày"}};
    for (const auto& l : labels)
        shell::withControlId(new QLabel(QString::fromUtf8(l.text), this), l.id);

    title_ = shell::withControlId(new QLineEdit(this), IdcReminderTitle);
    title_->setMaxLength(kEditorTitleLimit);
    place_ = shell::withControlId(new QLineEdit(this), IdcReminderPlace);
    place_->setMaxLength(kEditorPlaceLimit);
    day_ = numberList(this, 1, kEditorDays, IdcReminderDay);
    month_ = numberList(this, 1, 12, IdcReminderMonth);
    lunar_ = shell::withControlId(new QCheckBox(QStringLiteral("Âm lịch"), this), IdcReminderLunar);
    kind_ = shell::withControlId(new CompactList(this), IdcReminderKind);
    for (int k = 1; k <= reminders::kKindCount; ++k)
        kind_->addItem(QString::fromStdU16String(std::u16string(reminders::kindName(k))));

    // The time picker with its check box: unchecked means no alarm.
    auto* alarm = shell::withControlId(new QWidget(this), IdcReminderAlarm);
    auto* row = new QHBoxLayout(alarm);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(ScaleX(2));
    alarmOn_ = new QCheckBox(alarm);
    alarmOn_->setObjectName(QStringLiteral("alarmOn"));
    time_ = new QTimeEdit(alarm);
    time_->setObjectName(QStringLiteral("alarmTime"));
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    row->addWidget(alarmOn_);
    row->addWidget(time_, 1);
    connect(alarmOn_, &QCheckBox::toggled, time_, &QWidget::setEnabled);

    daysBefore_ = numberList(this, 0, kEditorDaysBefore - 1, IdcReminderDaysBefore);
    shell::withControlId(new QPushButton(QStringLiteral("<"), this), IdcReminderPrevious);
    shell::withControlId(new QPushButton(QStringLiteral(">"), this), IdcReminderNext);
    content_ = shell::withControlId(new QPlainTextEdit(this), IdcReminderContent);
    place();
}

void ReminderEditorDialog::load(const ReminderEditorValues& v) {
    title_->setText(QString::fromStdU16String(v.title));
    place_->setText(QString::fromStdU16String(v.place));
    title_->setCursorPosition(0); // show the texts from their beginning
    place_->setCursorPosition(0);
    content_->setPlainText(QString::fromStdU16String(v.content));
    // A longer note read from the file is kept whole: only what is typed is held to the limit.
    contentLimit_ = std::max<int>(kEditorContentLimit, int(v.content.size()));
    day_->setCurrentIndex(v.dayEntry);
    month_->setCurrentIndex(v.monthEntry);
    lunar_->setChecked(v.lunar);
    kind_->setCurrentIndex(v.kindEntry);
    alarmOn_->setChecked(v.alarmOn);
    time_->setEnabled(v.alarmOn);
    time_->setTime(v.time);
    daysBefore_->setCurrentIndex(v.daysBeforeEntry);
}

ReminderEditorValues ReminderEditorDialog::values() const {
    ReminderEditorValues v;
    v.title = title_->text().left(kEditorTitleLimit).toStdU16String();
    v.place = place_->text().left(kEditorPlaceLimit).toStdU16String();
    v.content = content_->toPlainText().left(contentLimit_).toStdU16String();
    v.dayEntry = day_->currentIndex();
    v.monthEntry = month_->currentIndex();
    v.lunar = lunar_->isChecked();
    v.kindEntry = kind_->currentIndex();
    v.alarmOn = alarmOn_->isChecked();
    v.time = time_->time();
    v.daysBeforeEntry = daysBefore_->currentIndex();
    return v;
}

QWidget* ReminderEditorDialog::control(int id) const {
    return shell::findControl(*this, id);
}

void ReminderEditorDialog::place() {
    const bool landscape = screen::GetScreenOrientation() == screen::Landscape;
    const int clientHeight = screen::MulDiv(height(), 96, screen::current().dpi);
    for (const EditorPlacement& p : reminderEditorLayout(landscape, clientHeight)) {
        QWidget* w = control(p.id);
        if (!w) continue;
        // A drop-down list's rectangle includes its open list; the closed control is one line.
        const bool dropDown = qobject_cast<QComboBox*>(w) != nullptr;
        const int h = dropDown ? 18 : p.rect.height();
        w->setGeometry(ScaleX(p.rect.x()), ScaleY(p.rect.y()), ScaleX(p.rect.width()), ScaleY(h));
    }
}

void ReminderEditorDialog::onCommand(int id) {
    // "Mục chọn"'s entries and the "<" and ">" buttons have no action in the editor.
    if (id == shell::IDOK || id == shell::IDCANCEL) done(id);
}

void ReminderEditorDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    place();
}

void ReminderEditorDialog::showEvent(QShowEvent* event) {
    FullScreenDialog::showEvent(event);
    if (menuBarFailed_) shell::tellMenuBarFailureOnce(this, reported_);
}

} // namespace velmora::app
