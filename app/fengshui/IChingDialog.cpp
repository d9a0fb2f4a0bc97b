// Building the I Ching dialog, its look-ups and the two casting dialogs it opens.
#include "app/fengshui/IChingDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/fengshui/PlumBlossomDialog.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramDataFile.h"

#include "platform/screen/ScreenProfile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using namespace fengshui;

std::vector<shell::MenuItem> IChingDialog::popupMenu() {
    return {{CmdIChingMutual, QStringLiteral("Xem quẻ hỗ"), 0, {}},
            {CmdIChingCoins, QStringLiteral("Gieo đồng xu"), 0, {}},
            {CmdIChingPlum, QStringLiteral("Mai Hoa dịch"), 0, {}},
            {0, QString(), shell::MenuSeparator, {}},
            {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
}

QString IChingDialog::helpText() {
    return QStringLiteral(
        "Phần này để tra cứu 64 quẻ Dịch. Nhập tượng số của quẻ để xem, 0 hoặc : cho hào âm, 1 "
        "hoặc | cho hào dương, x là trùng âm, o là trùng dương. Sau đó bấm vào Xem quẻ và chọn "
        "Quẻ Khai hoặc Quẻ Kết để xem chi tiết. Để gieo quẻ theo phương pháp nào thì vào các menu "
        "tương ứng.");
}

IChingDialog::IChingDialog(QWidget* owner, const QString& programFolder, const QDateTime& moment,
                           RandomSource random)
    : FullScreenDialog(owner, QStringLiteral("Giải quẻ dịch"), popupMenu()),
      programFolder_(programFolder), moment_(moment), random_(std::move(random)) {
    setObjectName(QStringLiteral("IChingDialog"));
    entry_ = withControlId(new QLineEdit(this), IdcIChingEntry);
    // Six line symbols at most: 0 or : yin, 1 or | yang, x and o moving.
    entry_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[01:|xo]{0,6}")), entry_));
    show_ = new QPushButton(QStringLiteral("Xem quẻ"), this);
    show_->setObjectName(QStringLiteral("IChingShow"));
    pattern_ = withControlId(new QLineEdit(this), IdcIChingPattern);
    pattern_->setReadOnly(true);
    pattern_->setFocusPolicy(Qt::NoFocus);
    names_ = withControlId(new QComboBox(this), IdcIChingNames);
    kind_ = withControlId(new QComboBox(this), IdcIChingKind);
    for (std::u16string_view name : kInterpretationNames) kind_->addItem(fromU16(name));
    kind_->setCurrentIndex(int(Interpretation::ByMatter));
    primary_ =
        withControlId(new HexagramButton(QStringLiteral("Quẻ Khai"), this), IdcIChingPrimary);
    resulting_ =
        withControlId(new HexagramButton(QStringLiteral("Quẻ Kết"), this), IdcIChingResulting);
    text_ = withControlId(new QPlainTextEdit(this), IdcIChingText);
    text_->setReadOnly(true);
    state_.text = helpText().toStdU16String();
    text_->setPlainText(helpText());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(ScaleX(4), ScaleY(4), ScaleX(4), ScaleY(4));
    grid->setHorizontalSpacing(ScaleX(4));
    grid->setVerticalSpacing(ScaleY(4));
    auto* entryRow = new QHBoxLayout;
    entryRow->setSpacing(ScaleX(4));
    entryRow->addWidget(entry_, 3);
    entryRow->addWidget(show_, 0);
    entryRow->addWidget(pattern_, 3);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(ScaleX(6));
    for (HexagramButton* b : {primary_, resulting_}) {
        b->setFixedSize(b->sizeHint());
        buttons->addWidget(b);
    }
    if (screen::GetScreenOrientation() == screen::Landscape) {
        // The controls in a column at the left, the text beside them.
        auto* column = new QVBoxLayout;
        column->setSpacing(ScaleY(4));
        column->addLayout(entryRow);
        column->addWidget(names_);
        column->addWidget(kind_);
        buttons->addStretch(1);
        column->addLayout(buttons);
        column->addStretch(1);
        grid->addLayout(column, 0, 0);
        grid->addWidget(text_, 0, 1);
        grid->setColumnStretch(0, 5);
        grid->setColumnStretch(1, 6);
    } else {
        grid->addLayout(entryRow, 0, 0, 1, 2);
        grid->addWidget(names_, 1, 0, 1, 2);
        grid->addLayout(buttons, 2, 0, Qt::AlignLeft);
        grid->addWidget(kind_, 2, 1, Qt::AlignTop);
        grid->addWidget(text_, 3, 0, 1, 2);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(3, 1);
    }

    connect(show_, &QPushButton::clicked, this, &IChingDialog::showEntered);
    entry_->installEventFilter(this);
    connect(primary_, &QAbstractButton::clicked, this, [this] { pressHexagramButton(true); });
    connect(resulting_, &QAbstractButton::clicked, this, [this] { pressHexagramButton(false); });
    connect(names_, &QComboBox::activated, this, &IChingDialog::chooseName);
    connect(kind_, &QComboBox::activated, this, &IChingDialog::chooseInterpretation);

    castWithCoins = [](IChingDialog& owner) {
        CoinCastDialog coins(&owner, owner.random_);
        coins.exec();
        return coins.result();
    };
    castByPlumBlossom = [](IChingDialog& owner) {
        PlumBlossomDialog plum(&owner, owner.moment_, owner.random_);
        plum.exec();
        return plum.result();
    };
}

QWidget* IChingDialog::control(int id) const {
    return findControl(*this, id);
}

bool IChingDialog::onOpen() {
    // The name list is filled once, when the dialog first shows; a missing file is told then.
    if (!filled_) {
        filled_ = true;
        fillNames();
    }
    entry_->setFocus();
    return true;
}

std::optional<std::vector<HexagramRecord>> IChingDialog::records() {
    auto read = readHexagramFile(programDataFile(programFolder_, kHexagramFileName));
    if (!read) tellMissingDataFile(this, kHexagramFileName);
    return read;
}

void IChingDialog::fillNames() {
    const auto read = records();
    if (!read) return;
    updating_ = true;
    names_->clear();
    for (const HexagramRecord& record : *read) names_->addItem(fromU16(record.name));
    names_->setCurrentIndex(-1);
    updating_ = false;
}

void IChingDialog::showState() {
    updating_ = true;
    entry_->setText(fromU16(state_.entry));
    pattern_->setText(fromU16(state_.pattern));
    names_->setCurrentIndex(state_.nameIndex < names_->count() ? state_.nameIndex : -1);
    kind_->setCurrentIndex(int(state_.kind));
    primary_->setText(fromU16(state_.primary));
    resulting_->setText(fromU16(state_.resulting));
    primary_->update();
    resulting_->update();
    if (text_->toPlainText() != multiLineText(state_.text))
        text_->setPlainText(multiLineText(state_.text));
    updating_ = false;
}

void IChingDialog::showEntered() {
    formHexagrams(state_, entry_->text().toStdU16String());
    showState();
}

void IChingDialog::pressHexagramButton(bool primary) {
    const std::u16string lines = primary ? state_.primary : state_.resulting;
    if (lines.empty()) return; // a caption is no hexagram to look up
    const auto read = records();
    if (!read) return;
    if (lookUpPattern(state_, *read, lines)) showState();
}

void IChingDialog::chooseName(int index) {
    if (updating_ || index < 0) return;
    const std::u16string name = names_->itemText(index).toStdU16String();
    const auto read = records();
    if (!read) return;
    if (lookUpName(state_, *read, name)) showState();
}

void IChingDialog::chooseInterpretation(int index) {
    if (updating_ || index < 0 || index > int(Interpretation::ByLine)) return;
    state_.kind = Interpretation(index);
    if (state_.pattern.empty()) return; // nothing looked up yet: only the kind changes
    const auto read = records();
    if (!read) return;
    changeInterpretation(state_, *read, Interpretation(index));
    showState();
}

void IChingDialog::showMutualHexagrams() {
    takeMutualHexagrams(state_);
    showState();
}

void IChingDialog::takeCast(const std::u16string& lines) {
    if (!isHexagram(lines)) return;
    formHexagrams(state_, lines);
    showState();
}

bool IChingDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entry_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            showEntered();
            return true; // taken here, so it does not reach the dialog as Done
        }
    }
    return FullScreenDialog::eventFilter(watched, event);
}

void IChingDialog::onCommand(int id) {
    switch (id) {
    case CmdIChingShow:
        showEntered();
        break;
    case CmdIChingMutual:
        showMutualHexagrams();
        break;
    case CmdIChingCoins:
        if (castWithCoins) takeCast(castWithCoins(*this));
        break;
    case CmdIChingPlum:
        if (castByPlumBlossom) takeCast(castByPlumBlossom(*this));
        break;
    default: // "Trở về" and Done close the dialog
        FullScreenDialog::onCommand(id);
        break;
    }
}

} // namespace velmora::app
