// "Hạn theo Cửu diệu": the star that governs a person in a chosen year, with its picture and
// reading from cuudieu.dat.
#pragma once

#include "suite/fengshui/NineStarRecord.h"

#include "platform/shell/FullScreenDialog.h"

#include <QDate>
#include <QImage>
#include <QRect>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace velmora::app {

// What the dialog shows: the star's name, its reading and its picture (-1 for none).
struct NineStarView {
    std::u16string name;
    std::u16string reading;
    int picture = -1;
};

// Looks the star up for the two years and the sex; without a match the view keeps what it
// showed. True on a match.
bool readNineStar(NineStarView& view, const std::vector<fengshui::NineStarRecord>& records,
                  int birthYear, int viewingYear, bool male);

struct NineStarLayout {
    QRect birthLabel, birth, sexLabel, male, female, yearLabel, year, nameLabel, name;
    QRect picture; // 75 x 100 units at the right of the upper controls
    QRect reading; // the dialog's width below the upper controls, down to the bottom
};
NineStarLayout nineStarLayout(QSize client, int rowHeight);

class NineStarPicture;

class NineStarDialog : public shell::FullScreenDialog {
    Q_OBJECT
  public:
    // birth: the picker's start (the owner's from the personal record); viewing: the day page's.
    NineStarDialog(QWidget* owner, const QString& programFolder, const QDate& birth,
                   const QDate& viewing);

    const NineStarView& view() const { return view_; }
    const NineStarLayout& layout() const { return layout_; }
    QWidget* control(int id) const;
    // The picture area as it is drawn now.
    QImage pictureImage() const;

    // Reads the star again from the file: at start and on every change.
    void readStar();

  protected:
    bool onOpen() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeControls();

    QString programFolder_;
    NineStarView view_;
    NineStarLayout layout_;
    bool opened_ = false;
    bool told_ = false; // a missing file is told once, not at every change of a date
    QLabel* birthLabel_;
    QDateEdit* birth_;
    QLabel* sexLabel_;
    QRadioButton* male_;
    QRadioButton* female_;
    QLabel* yearLabel_;
    QDateEdit* year_;
    QLabel* nameLabel_;
    QLineEdit* name_;
    QPlainTextEdit* reading_;
    NineStarPicture* picture_;
};

} // namespace velmora::app
