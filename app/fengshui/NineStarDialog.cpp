// Building the nine-star dialog, reading the star and drawing its picture.
#include "app/fengshui/NineStarDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/fengshui/FengShuiPictures.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramDataFile.h"
#include "suite/fengshui/NineStar.h"

#include "platform/screen/ScreenProfile.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;
using namespace fengshui;

// The star's picture stretched into its area; nothing while no star is known.
class NineStarPicture : public QWidget {
  public:
    explicit NineStarPicture(QWidget* parent) : QWidget(parent) {}
    void setPicture(int picture) {
        picture_ = picture;
        update();
    }
    QImage render() const {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(palette().color(QPalette::Window));
        const QImage star = nineStarPicture(picture_);
        if (!star.isNull()) {
            QPainter p(&image);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(image.rect(), star);
        }
        return image;
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, render()); }

  private:
    int picture_ = -1;
};

bool readNineStar(NineStarView& view, const std::vector<NineStarRecord>& records, int birthYear,
                  int viewingYear, bool male) {
    const std::optional<int> key = nineStarKey(birthYear, viewingYear);
    if (!key) return false;
    const NineStarRecord* star = findNineStar(records, *key, male);
    if (!star) return false;
    view.name = star->name;
    view.reading = star->reading;
    // A picture number outside the nine draws nothing.
    view.picture = hasStarPicture(star->picture) ? star->picture : -1;
    return true;
}

NineStarLayout nineStarLayout(QSize client, int rowHeight) {
    NineStarLayout l;
    const int margin = ScaleX(4), gap = ScaleY(3), labelWidth = ScaleX(56);
    l.picture = QRect(client.width() - margin - ScaleX(75), margin, ScaleX(75), ScaleY(100));
    const int fieldX = margin + labelWidth;
    const int fieldWidth = std::max(ScaleX(40), l.picture.left() - ScaleX(6) - fieldX);
    int y = margin;
    const auto row = [&](QRect& label, QRect& field) {
        label = QRect(margin, y, labelWidth, rowHeight);
        field = QRect(fieldX, y, fieldWidth, rowHeight);
        y += rowHeight + gap;
    };
    row(l.birthLabel, l.birth);
    QRect sexField;
    row(l.sexLabel, sexField);
    l.male = QRect(sexField.left(), sexField.top(), sexField.width() / 2, rowHeight);
    l.female =
        QRect(l.male.right() + 1, sexField.top(), sexField.width() - l.male.width(), rowHeight);
    row(l.yearLabel, l.year);
    row(l.nameLabel, l.name);
    const int top = std::max(y, l.picture.bottom() + 1 + gap);
    l.reading = QRect(0, top, client.width(), std::max(0, client.height() - top));
    return l;
}

NineStarDialog::NineStarDialog(QWidget* owner, const QString& programFolder, const QDate& birth,
                               const QDate& viewing)
    : FullScreenDialog(owner, QStringLiteral("Hạn theo Cửu diệu")), programFolder_(programFolder) {
    setObjectName(QStringLiteral("NineStarDialog"));
    const auto datePicker = [this](int id, const QDate& date) {
        auto* picker = withControlId(new QDateEdit(this), id);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        useDeviceDatePicker(picker);
        picker->setDate(date.isValid() ? date : QDate(1990, 1, 1));
        connect(picker, &QDateEdit::dateChanged, this, &NineStarDialog::readStar);
        return picker;
    };
    birthLabel_ = new QLabel(QStringLiteral("Ngày sinh"), this);
    birth_ = datePicker(IdcNineStarBirth, birth);
    sexLabel_ = new QLabel(QStringLiteral("Giới tính"), this);
    male_ = withControlId(new QRadioButton(QStringLiteral("Nam"), this), IdcNineStarMale);
    female_ = withControlId(new QRadioButton(QStringLiteral("Nữ"), this), IdcNineStarFemale);
    auto* sexes = new QButtonGroup(this);
    sexes->addButton(male_);
    sexes->addButton(female_);
    male_->setChecked(true);
    connect(male_, &QRadioButton::toggled, this, &NineStarDialog::readStar);
    yearLabel_ = new QLabel(QStringLiteral("Năm xem"), this);
    year_ = datePicker(IdcNineStarYear, viewing);
    nameLabel_ = new QLabel(QStringLiteral("Hạn sao"), this);
    name_ = withControlId(new QLineEdit(this), IdcNineStarName);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    reading_ = withControlId(new QPlainTextEdit(this), IdcNineStarReading);
    reading_->setReadOnly(true);
    picture_ = withControlId(new NineStarPicture(this), IdcNineStarPicture);
}

QWidget* NineStarDialog::control(int id) const {
    return findControl(*this, id);
}

QImage NineStarDialog::pictureImage() const {
    return picture_->render();
}

bool NineStarDialog::onOpen() {
    opened_ = true;
    readStar();
    return true;
}

void NineStarDialog::readStar() {
    if (!opened_) return; // the first reading comes when the dialog shows
    const auto records = readNineStarFile(programDataFile(programFolder_, kNineStarFileName));
    if (!records) {
        if (!told_) {
            told_ = true;
            tellMissingDataFile(this, kNineStarFileName);
        }
        return;
    }
    if (!readNineStar(view_, *records, birth_->date().year(), year_->date().year(),
                      male_->isChecked()))
        return;
    name_->setText(fromU16(view_.name));
    reading_->setPlainText(multiLineText(view_.reading));
    picture_->setPicture(view_.picture);
}

void NineStarDialog::placeControls() {
    layout_ = nineStarLayout(size(), birth_->sizeHint().height());
    birthLabel_->setGeometry(layout_.birthLabel);
    birth_->setGeometry(layout_.birth);
    sexLabel_->setGeometry(layout_.sexLabel);
    male_->setGeometry(layout_.male);
    female_->setGeometry(layout_.female);
    yearLabel_->setGeometry(layout_.yearLabel);
    year_->setGeometry(layout_.year);
    nameLabel_->setGeometry(layout_.nameLabel);
    name_->setGeometry(layout_.name);
    picture_->setGeometry(layout_.picture);
    reading_->setGeometry(layout_.reading);
}

void NineStarDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    placeControls();
}

} // namespace velmora::app
