// The owner-drawn buttons that show the primary and the resulting hexagram.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QRect>
#include <vector>

namespace velmora::app {

// One bar of a drawn hexagram.
struct HexagramBar {
    QRect rect;
    bool moving; // drawn in red (0x0000FF), others in blue (0xFF0000)
};

// The bars of six line symbols inside area, from the bottom up: a yang line one full bar, a
// yin line two half bars with a gap. Empty unless text is six line symbols.
std::vector<HexagramBar> hexagramBars(const QString& text, const QRect& area);

class HexagramButton : public QAbstractButton {
    Q_OBJECT
  public:
    // caption: "Quẻ Khai" or "Quẻ Kết", drawn while the button holds no hexagram.
    HexagramButton(const QString& caption, QWidget* parent);

    QString caption() const { return caption_; }
    QSize sizeHint() const override;
    // The button as it is drawn now.
    QImage render() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

} // namespace velmora::app
