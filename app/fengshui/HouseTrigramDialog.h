// The "Bát trạch" dialog: birth date, sex and the house's facing give the eight-mansions chart.
#pragma once

#include "app/fengshui/HouseTrigramChart.h"

#include "platform/shell/FullScreenDialog.h"

#include <QDate>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;

namespace velmora::app {

// The soft keys of the dialogs that close with "OK" alone.
shell::MenuBarDescription okMenuBar();

class ImageView;

class HouseTrigramDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // birth: the date the picker shows at start (the owner's from the personal record).
    HouseTrigramDialog(QWidget* owner, const QDate& birth);

    const fengshui::HouseReading& reading() const { return reading_; }
    const HouseTrigramLayout& layout() const { return layout_; }
    QWidget* control(int id) const;
    // The chart as it is drawn now.
    QImage chartImage() const;

    // Reads the controls again and repaints: at start and on every change.
    void readChart();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeControls();

    fengshui::HouseReading reading_;
    HouseTrigramLayout layout_;
    QLabel* birthLabel_;
    QDateEdit* birth_;
    QCheckBox* male_;
    QLabel* facingLabel_;
    QComboBox* facing_;
    ImageView* chart_;
};

} // namespace velmora::app
