// The "Thước Lỗ Ban" dialog: a typed length shown on both carpenter's rulers.
#pragma once

#include "app/fengshui/LoBanScale.h"

#include "platform/shell/FullScreenDialog.h"

#include <QSpinBox>

class QLabel;
class QLineEdit;
class QScrollArea;

namespace velmora::app {

// The list with up-down arrows holding the two rulers' titles.
class RulerList : public QSpinBox {
    Q_OBJECT
  public:
    explicit RulerList(QWidget* parent);

  protected:
    QString textFromValue(int value) const override;
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
};

class ImageView;

class LoBanRulerDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    explicit LoBanRulerDialog(QWidget* owner);

    QWidget* control(int id) const;
    double length() const { return length_; }
    const LoBanScaleGeometry& geometry() const { return geometry_; }
    QImage scaleImage() const;

    // Reads the length again and redraws the scale.
    void redraw();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeControls();

    double length_ = 0;
    LoBanScaleGeometry geometry_;
    QLabel* lengthLabel_;
    QLineEdit* lengthEdit_;
    QLabel* unit_;
    RulerList* rulers_;
    QScrollArea* scroll_;
    ImageView* scale_;
};

} // namespace velmora::app
