// The coin casting dialog: throws from the device's random bytes, its fields and its coins.
#include "app/fengshui/CoinCastDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/res/CommandIds.h"

#include "platform/screen/ScreenProfile.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

// The three coins of the last throw: a coin showing its back ("sấp") is a black disc, the face
// a white one. A tap throws again.
class CoinView : public QWidget {
  public:
    CoinView(QWidget* parent, std::function<void()> onTap)
        : QWidget(parent), onTap_(std::move(onTap)) {
        setMinimumHeight(ScaleY(44));
    }
    void setCoins(std::optional<fengshui::CoinThrow> coins) {
        coins_ = coins;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(palette().color(QPalette::Window));
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const int diameter = std::min(height() - ScaleY(4), (width() - ScaleX(40)) / 3);
        const int spacing = ScaleX(10);
        int x = (width() - 3 * diameter - 2 * spacing) / 2;
        for (int i = 0; i < 3; ++i) {
            const bool back = coins_ && coins_->back[std::size_t(i)];
            p.setPen(QPen(Qt::black, std::max(1, ScaleX(1))));
            p.setBrush(back ? Qt::black : Qt::white);
            p.drawEllipse(
                QRectF(x + 0.5, (height() - diameter) / 2 + 0.5, diameter - 1, diameter - 1));
            x += diameter + spacing;
        }
        p.end();
        QPainter(this).drawImage(0, 0, image);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (rect().contains(event->position().toPoint())) onTap_();
    }

  private:
    std::function<void()> onTap_;
    std::optional<fengshui::CoinThrow> coins_;
};

bool CoinCastState::throwCoins(const std::array<std::uint8_t, 3>& bytes) {
    if (complete()) return false;
    ++count;
    coins = fengshui::coinThrow(bytes);
    lines.push_back(coins->line());
    return true;
}

void CoinCastState::reset() {
    *this = CoinCastState{};
}

shell::MenuBarDescription CoinCastDialog::menuBar() {
    shell::MenuBarDescription keys;
    keys.leftId = CmdCoinThrow;
    keys.leftText = QStringLiteral("Gieo");
    keys.rightText = QStringLiteral("Mục chọn");
    keys.rightMenu = {{CmdCoinAccept, QStringLiteral("Chọn quẻ"), 0, {}},
                      {CmdCoinReset, QStringLiteral("Gieo lại"), 0, {}},
                      {0, QString(), shell::MenuSeparator, {}},
                      {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
    return keys;
}

QString CoinCastDialog::instructions() {
    return QStringLiteral(
        "Dùng 3 đồng xu giống nhau, tập trung suy nghĩ về vấn đề cần xem, gieo 6 lần.\n"
        "- 1 sấp 2 ngửa: hào dương (|).\n"
        "- 2 sấp 1 ngửa: hào âm (:).\n"
        "- 3 sấp: hào dương động (o).\n"
        "- 3 ngửa: hào âm động (x).\n"
        "Lần gieo đầu là hào 1 (hào dưới cùng), lần thứ sáu là hào 6. Gieo đủ 6 lần rồi bấm "
        "Chọn quẻ.");
}

CoinCastDialog::CoinCastDialog(QWidget* owner, RandomSource random)
    : FullScreenDialog(menuBar(), owner, QStringLiteral("Gieo đồng tiền")),
      random_(std::move(random)) {
    setObjectName(QStringLiteral("CoinCastDialog"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(ScaleX(6), ScaleY(4), ScaleX(6), ScaleY(4));
    column->setSpacing(ScaleY(4));
    coins_ = withControlId(new CoinView(this, [this] { throwOnce(); }), IdcCoinPicture);
    column->addWidget(coins_);
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(ScaleX(6));
    form->setVerticalSpacing(ScaleY(3));
    lines_ = withControlId(new QLineEdit(this), IdcCoinLines);
    count_ = withControlId(new QLineEdit(this), IdcCoinCount);
    for (QLineEdit* field : {lines_, count_}) {
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }
    form->addRow(QStringLiteral("Tượng quẻ"), lines_);
    form->addRow(QStringLiteral("Lần gieo"), count_);
    column->addLayout(form);
    help_ = withControlId(new QLabel(instructions(), this), IdcCoinHelp);
    help_->setWordWrap(true);
    help_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(help_, 1);
    showState();
}

QWidget* CoinCastDialog::control(int id) const {
    return findControl(*this, id);
}

void CoinCastDialog::throwOnce() {
    if (state_.complete()) return;
    std::array<std::uint8_t, 3> bytes{};
    if (!random_ || !random_(bytes.data(), bytes.size())) {
        tellError(this, QStringLiteral("Không lấy được số ngẫu nhiên để gieo quẻ"));
        return;
    }
    state_.throwCoins(bytes);
    showState();
}

void CoinCastDialog::showState() {
    lines_->setText(fromU16(state_.lines));
    count_->setText(QString::number(state_.count));
    coins_->setCoins(state_.coins);
}

void CoinCastDialog::onCommand(int id) {
    switch (id) {
    case CmdCoinThrow:
        throwOnce();
        break;
    case CmdCoinReset:
        state_.reset();
        showState();
        break;
    case CmdCoinAccept:
    case shell::IDOK:
        // Fewer than six lines: the dialog stays for the remaining throws.
        if (!state_.complete()) break;
        result_ = state_.lines;
        done(shell::IDOK);
        break;
    default: // "Trở về" and Done close the dialog
        FullScreenDialog::onCommand(id);
        break;
    }
}

} // namespace velmora::app
