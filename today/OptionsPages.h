// The five pages of the options dialog: "Hiển thị", "Định dạng", "Địa điểm", "Cập nhật",
// "Thông tin". Each control carries its product id.
#pragma once

#include "today/CityList.h"
#include "today/TodayLayout.h"
#include "today/TodaySettings.h"

#include <QAbstractButton>
#include <QWidget>
#include <vector>

class QComboBox;
class QTreeWidget;

namespace velmora::today {

// The control with product id `id` among widget's descendants, or null.
template <class T = QWidget> T* control(const QWidget* widget, int id) {
    for (T* w : widget->findChildren<T*>())
        if (w->property("controlId").toInt() == id) return w;
    return nullptr;
}

// The connection and update choices as the page shows them, and back.
struct UpdateChoice {
    int network = 0;            // index into the destination networks
    bool chooseNetwork = false; // "Chọn loại kết nối" rather than "Tự động kết nối"
    int interval = 0;           // index into "15 phút" … "hàng ngày"
    bool automatic = false;     // "Tự động cập nhật"
};
UpdateChoice updateChoiceOf(int32_t connection, int32_t update);
int32_t connectionValue(const UpdateChoice& choice);
int32_t updateValue(const UpdateChoice& choice);

inline constexpr const char16_t* kIntervals[] = {u"15 phút", u"30 phút", u"1 giờ", u"3 giờ",
                                                 u"hàng ngày"};

// "Hiển thị": eight lists, page p's left and right panel.
QWidget* makeDisplayPage(const TodaySettings& settings);
void collectDisplayPage(const QWidget* page, TodaySettings& settings);

// A colour button of "Định dạng": frame, the colour's swatch inset by 2 units, an arrow at its
// right edge; a thicker frame with the focus.
class ColorButton : public QAbstractButton {
    Q_OBJECT
  public:
    ColorButton(COLORREF& colour, Units units, QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    COLORREF& colour_;
    Units units_;
};

// "Định dạng": three font rows and six colour buttons. A colour picked takes effect in
// `settings` at once; the fonts are collected on Done.
QWidget* makeFormatPage(TodaySettings& settings, Units units);
void collectFormatPage(const QWidget* page, TodaySettings& settings);

// "Địa điểm": the rows live in the page; its buttons act on them (a deletion at once).
class PlacesPage : public QWidget {
    Q_OBJECT
  public:
    explicit PlacesPage(QWidget* parent = nullptr);
    const std::vector<CityRow>& rows() const { return rows_; }
    int selectedRow() const;
    void selectRow(int row);
    void setChecked(int row, bool checked);
    void add();
    void remove();
    void move(bool up);

  private:
    void show(int selected);
    std::vector<CityRow> rows_;
    QTreeWidget* list_;
    QComboBox* names_;
    bool filling_ = false;
};

// "Cập nhật": connection and automatic-update choices.
QWidget* makeUpdatePage(const TodaySettings& settings);
UpdateChoice collectUpdatePage(const QWidget* page);

// "Thông tin": the item's icon, name and version, rights line and web address.
QWidget* makeAboutPage(Units units);

} // namespace velmora::today
