// "Gieo đồng tiền": six throws of three coins give a hexagram, line by line from the bottom.
#pragma once

#include "suite/fengshui/Hexagram.h"

#include "platform/shell/FullScreenDialog.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;

namespace velmora::app {

// The random source: fills n bytes, false when it cannot.
using RandomSource = std::function<bool(void* buffer, std::size_t n)>;

// What the dialog has cast so far.
struct CoinCastState {
    std::u16string lines;                     // "Tượng quẻ"
    int count = 0;                            // "Lần gieo"
    std::optional<fengshui::CoinThrow> coins; // the last throw, drawn above the fields

    // One throw adds its line; once six lines stand, further throws change nothing, so the
    // hexagram is never spoilt by a seventh.
    bool throwCoins(const std::array<std::uint8_t, 3>& bytes);
    // "Gieo lại".
    void reset();
    bool complete() const { return fengshui::isHexagram(lines); }
};

class CoinView;

class CoinCastDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    CoinCastDialog(QWidget* owner, RandomSource random);

    const CoinCastState& state() const { return state_; }
    QWidget* control(int id) const;
    // The six symbols once accepted; empty otherwise.
    std::u16string result() const { return result_; }

    static shell::MenuBarDescription menuBar();
    static QString instructions();

  protected:
    void onCommand(int id) override;

  private:
    void throwOnce();
    void showState();

    RandomSource random_;
    CoinCastState state_;
    std::u16string result_;
    CoinView* coins_;
    QLineEdit* lines_;
    QLineEdit* count_;
    QLabel* help_;
};

} // namespace velmora::app
