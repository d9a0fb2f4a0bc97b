// Building the "Bát trạch" dialog, reading its controls and showing the chart.
#include "app/fengshui/HouseTrigramDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/res/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>

namespace velmora::app {

using namespace fengshui;

shell::MenuBarDescription okMenuBar() {
    shell::MenuBarDescription keys;
    keys.leftId = shell::IDOK;
    keys.leftText = QStringLiteral("OK");
    return keys;
}

HouseTrigramDialog::HouseTrigramDialog(QWidget* owner, const QDate& birth)
    : FullScreenDialog(okMenuBar(), owner, QStringLiteral("Bát trạch")) {
    setObjectName(QStringLiteral("HouseTrigramDialog"));
    birthLabel_ = new QLabel(QStringLiteral("Ngày sinh"), this);
    birth_ = withControlId(new QDateEdit(this), IdcHouseBirth);
    birth_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    useDeviceDatePicker(birth_);
    birth_->setDate(birth.isValid() ? birth : QDate(1990, 1, 1));
    birthLabel_->setBuddy(birth_);
    male_ = withControlId(new QCheckBox(QStringLiteral("Nam"), this), IdcHouseMale);
    male_->setChecked(true);
    facingLabel_ = new QLabel(QStringLiteral("Hướng nhà"), this);
    facing_ = withControlId(new QComboBox(this), IdcHouseFacing);
    for (std::u16string_view name : kDirectionNames) facing_->addItem(fromU16(name));
    facing_->setCurrentIndex(0);
    facingLabel_->setBuddy(facing_);
    chart_ = withControlId(new ImageView(this), IdcHouseChart);

    connect(birth_, &QDateEdit::dateChanged, this, &HouseTrigramDialog::readChart);
    connect(male_, &QCheckBox::toggled, this, &HouseTrigramDialog::readChart);
    connect(facing_, &QComboBox::currentIndexChanged, this, &HouseTrigramDialog::readChart);
    readChart();
}

QWidget* HouseTrigramDialog::control(int id) const {
    return findControl(*this, id);
}

QImage HouseTrigramDialog::chartImage() const {
    return chart_->image();
}

void HouseTrigramDialog::readChart() {
    reading_ =
        readHouse(birth_->date().year(), male_->isChecked(), std::max(0, facing_->currentIndex()));
    chart_->setImage(renderHouseChart(chart_->size(), QRect(QPoint(0, 0), layout_.chart.size()),
                                      reading_, palette().color(QPalette::Window)));
}

void HouseTrigramDialog::placeControls() {
    layout_ =
        houseTrigramLayout(size(), screen::GetScreenOrientation(), birth_->sizeHint().height());
    birthLabel_->setVisible(!layout_.birthLabel.isEmpty());
    facingLabel_->setVisible(!layout_.facingLabel.isEmpty());
    birthLabel_->setGeometry(layout_.birthLabel);
    birth_->setGeometry(layout_.birth);
    male_->setGeometry(layout_.male);
    facingLabel_->setGeometry(layout_.facingLabel);
    facing_->setGeometry(layout_.facing);
    chart_->setGeometry(layout_.chart);
}

void HouseTrigramDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    placeControls();
    readChart();
}

} // namespace velmora::app
