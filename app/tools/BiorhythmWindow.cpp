// The biorhythm window: pickers and their two arrangements, the menu, the chart's paint.
#include "app/tools/BiorhythmWindow.h"

#include "app/res/CommandIds.h"
#include "app/tools/BiorhythmOptionsDialog.h"
#include "app/tools/BiorhythmPainter.h"
#include "platform/shell/ControlId.h"

#include "platform/device/DeviceClock.h"
#include "platform/shell/SoftKeyBar.h"

#include <QDateEdit>
#include <QLabel>
#include <QPainter>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using shell::MenuItem;
using shell::MenuSeparator;

namespace {

// The labels' ids, beside their pickers' (the template's labels have none of their own).
enum : int { LabelBirth = 2009, LabelBirth2 = 2040, LabelFrom = 2013, LabelView = 2039 };

// A label narrower than its text gets a smaller font, down to three quarters of the usual one.
void fitLabel(QLabel* label) {
    QFont font = label->parentWidget()->font();
    const int smallest = (font.pixelSize() * 3 + 3) / 4;
    while (font.pixelSize() > smallest &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

QDateEdit* picker(QWidget* parent, int id) {
    auto* p = shell::withControlId(new QDateEdit(parent), id);
    p->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    return p;
}

} // namespace

std::vector<MenuItem> BiorhythmWindow::biorhythmMenu() {
    return {{CmdBiorhythmEnergy, QStringLiteral("Năng lượng"), 0, {}},
            {CmdBiorhythmEmotion, QStringLiteral("Cảm xúc"), 0, {}},
            {CmdBiorhythmIntellect, QStringLiteral("Trí tuệ"), 0, {}},
            {0, QString(), MenuSeparator, {}},
            {CmdBiorhythmIntuition, QStringLiteral("Trực giác"), 0, {}},
            {CmdBiorhythmAesthetic, QStringLiteral("Thẩm mỹ"), 0, {}},
            {CmdBiorhythmSpiritual, QStringLiteral("Tâm linh"), 0, {}},
            {0, QString(), MenuSeparator, {}},
            {CmdBiorhythmOptions, QStringLiteral("Tùy chọn"), 0, {}},
            {CmdBiorhythmOptions, QStringLiteral("XOY"), 0, {}}};
}

BiorhythmWindow::BiorhythmWindow(QWidget* owner, const QString& programFolder,
                                 const SYSTEMTIME& birth, BiorhythmSettings& settings)
    : FullScreenDialog(owner, QStringLiteral("Nhịp sinh học"), biorhythmMenu()),
      programFolder_(programFolder), birth_(birth), settings_(settings) {
    setObjectName(QStringLiteral("BiorhythmWindow"));
    shell::withControlId(new QLabel(QStringLiteral("Ngày sinh 1:"), this), LabelBirth);
    shell::withControlId(new QLabel(QStringLiteral("Ngày sinh 2:"), this), LabelBirth2);
    shell::withControlId(new QLabel(QStringLiteral("Từ ngày:"), this), LabelFrom);
    shell::withControlId(new QLabel(QStringLiteral("Ngày xem:"), this), LabelView);
    birthPicker_ = picker(this, IdcBiorhythmBirth);
    secondBirth_ = picker(this, IdcBiorhythmBirth2);
    from_ = picker(this, IdcBiorhythmFrom);
    view_ = picker(this, IdcBiorhythmView);
    // The second birth date is shown, disabled and empty; it plays no part.
    secondBirth_->setEnabled(false);
    secondBirth_->setMinimumDate(QDate(1752, 9, 14));
    secondBirth_->setSpecialValueText(QStringLiteral(" "));
    secondBirth_->setDate(secondBirth_->minimumDate());
    for (QDateEdit* p : {birthPicker_, from_, view_})
        connect(p, &QDateEdit::dateChanged, this, &BiorhythmWindow::datesChanged);
    QAction* tick = nullptr;
    for (int c = 0; c < 6; ++c)
        if ((tick = softKeyBar()->action(cycleCommand(c)))) tick->setCheckable(true);
    place();
}

QWidget* BiorhythmWindow::control(int id) const {
    return shell::findControl(*this, id);
}

bool BiorhythmWindow::onOpen() {
    readBiorhythmSettings(settings_,
                          programFolder_); // an unreadable file keeps the record as it is
    const QDate today = device::localNow().date();
    const QDate birth(birth_.wYear, birth_.wMonth, birth_.wDay);
    const QSignalBlocker b(birthPicker_), f(from_), v(view_);
    birthPicker_->setDate(birth.isValid() ? birth : today);
    from_->setDate(today);
    view_->setDate(today);
    refreshChecks();
    datesChanged();
    return true;
}

void BiorhythmWindow::refreshChecks() {
    for (int c = 0; c < 6; ++c)
        softKeyBar()->setItemChecked(cycleCommand(c), cycleShown(settings_, c));
}

void BiorhythmWindow::datesChanged() {
    days_ = chartDays(birthPicker_->date(), from_->date(), view_->date());
    if (days_.viewReset) {
        // A view day outside the span moves to the span's start.
        const QSignalBlocker quiet(view_);
        view_->setDate(from_->date());
    }
    update();
}

void BiorhythmWindow::onCommand(int id) {
    if (const int cycle = cycleOfCommand(id); cycle >= 0) {
        toggleCycle(settings_, cycle);
        refreshChecks();
        update();
        return;
    }
    switch (id) {
    case CmdBiorhythmOptions: {
        BiorhythmOptionsDialog dialog(this, settings_, programFolder_);
        options_ = &dialog;
        dialog.exec();
        options_ = nullptr;
        update();
        break;
    }
    case shell::IDOK:
        writeBiorhythmSettings(settings_,
                               programFolder_); // a file that cannot be written is skipped
        done(id);
        break;
    case shell::IDCANCEL: // the in-memory settings keep their changes
        done(id);
        break;
    default:
        break;
    }
}

void BiorhythmWindow::place() {
    struct Place {
        QWidget* w;
        QRect landscape, other;
    };
    const QRect hidden;
    // Upright and square screens have room for one label per row; the second row-mates' labels
    // would lie over the first ones, so they are not shown there.
    const Place places[] = {
        {control(LabelBirth), {240, 4, 65, 18}, {10, 4, 60, 18}},
        {birthPicker_, {240, 20, 80, 18}, {70, 2, 80, 18}},
        {control(LabelBirth2), {240, 40, 65, 18}, hidden},
        {secondBirth_, {240, 56, 80, 18}, {155, 2, 80, 18}},
        {control(LabelFrom), {240, 76, 65, 18}, {10, 24, 60, 18}},
        {from_, {240, 92, 80, 18}, {70, 22, 80, 18}},
        {control(LabelView), {240, 112, 65, 18}, hidden},
        {view_, {240, 128, 80, 18}, {155, 22, 80, 18}},
    };
    const bool landscape = screen::GetScreenOrientation() == screen::Landscape;
    for (const Place& p : places) {
        const QRect r = landscape ? p.landscape : p.other;
        p.w->setVisible(!r.isNull());
        if (r.isNull()) continue;
        p.w->setGeometry(ScaleX(r.x()), ScaleY(r.y()), ScaleX(r.width()), ScaleY(r.height()));
        if (auto* label = qobject_cast<QLabel*>(p.w)) fitLabel(label);
    }
}

void BiorhythmWindow::paintEvent(QPaintEvent*) {
    QImage buffer(size(), QImage::Format_RGB32);
    {
        QPainter p(&buffer);
        BiorhythmScene scene;
        scene.settings = &settings_;
        scene.days = days_;
        scene.spanStart = from_->date();
        scene.orientation = screen::GetScreenOrientation();
        paintBiorhythm(p, size(), scene);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void BiorhythmWindow::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    place();
}

} // namespace velmora::app
