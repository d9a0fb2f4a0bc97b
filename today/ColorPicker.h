// The colour picker (dialog 106): the 48-colour palette in rows of six, "Chọn", "Mặc định" and
// "Bỏ qua".
#pragma once

#include "today/TodayLayout.h"

#include "VelmoraLib.h"

#include <QDialog>
#include <array>
#include <optional>

namespace velmora::today {

inline constexpr int kPaletteSize = 48;
// The palette, row by row (six to a row).
extern const std::array<COLORREF, kPaletteSize> kPalette;
// What "Mặc định" stores: a value with no colour of its own, drawn as black.
inline constexpr COLORREF kDefaultColor = 0x01000000;

// Swatch i's rectangle in units: x 10 + 30 (i mod 6) to 38 + 30 (i mod 6), y 2 + 16 (i div 6) to
// 16 + 16 (i div 6).
QRect swatchRect(int i);
// The swatch under a point given in units; -1 off the swatches (between them or beside them).
int swatchAt(QPoint unitsPoint);

class ColorPicker : public QDialog {
    Q_OBJECT
  public:
    // Centred on screenArea (global coordinates), 200 × 180 units; `current` is preselected when
    // it is a palette colour.
    ColorPicker(COLORREF current, Units units, const QRect& screenArea, QWidget* owner);

    int selected() const { return selected_; }
    void select(int swatch);
    // After exec(): the colour to store, or nothing when it was left with "Bỏ qua".
    std::optional<COLORREF> chosen() const { return chosen_; }
    // Presses a button by id as a tap would: 1 "Chọn", 1028 "Mặc định", 2 "Bỏ qua".
    void press(int id);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Units units_;
    int selected_ = -1;
    std::optional<COLORREF> chosen_;
};

} // namespace velmora::today
