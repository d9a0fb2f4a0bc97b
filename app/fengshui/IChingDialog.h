// "Giải quẻ dịch": the 64 hexagrams of 64quai.dat looked up by pattern or name, with casting by
// coins and by the plum-blossom numbers.
#pragma once

#include "app/fengshui/CoinCastDialog.h"
#include "app/fengshui/HexagramButton.h"
#include "app/fengshui/IChingModel.h"

#include "platform/shell/FullScreenDialog.h"

#include <QDateTime>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora::app {

class IChingDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // programFolder: where Data\64quai.dat is; moment: the day page's day and time, where the
    // plum-blossom casting starts; random: the device's random bytes.
    IChingDialog(QWidget* owner, const QString& programFolder, const QDateTime& moment,
                 RandomSource random);

    static std::vector<shell::MenuItem> popupMenu();
    static QString helpText();

    const IChingState& state() const { return state_; }
    QWidget* control(int id) const;

    // What the controls do, as a tap or a key would.
    void showEntered(); // "Xem quẻ"
    void pressHexagramButton(bool primary);
    void chooseName(int index);
    void chooseInterpretation(int index);
    void showMutualHexagrams(); // "Xem quẻ hỗ"
    // A cast's six lines, as after "Chọn quẻ" of a casting dialog; others are ignored.
    void takeCast(const std::u16string& lines);

    // The casting dialogs a command opens; tests answer them through these hooks.
    std::function<std::u16string(IChingDialog&)> castWithCoins;
    std::function<std::u16string(IChingDialog&)> castByPlumBlossom;

  protected:
    bool onOpen() override;
    void onCommand(int id) override;
    // Enter in the entry field shows its hexagram ("Xem quẻ") instead of closing the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::optional<std::vector<fengshui::HexagramRecord>> records();
    void fillNames();
    void showState();

    QString programFolder_;
    QDateTime moment_;
    RandomSource random_;
    IChingState state_;
    bool updating_ = false;
    bool filled_ = false;
    QLineEdit* entry_;
    QPushButton* show_;
    QLineEdit* pattern_;
    QComboBox* names_;
    QComboBox* kind_;
    HexagramButton* primary_;
    HexagramButton* resulting_;
    QPlainTextEdit* text_;
};

} // namespace velmora::app
