// Building and reading the options pages.
#include "today/OptionsPages.h"

#include "today/ColorPicker.h"
#include "today/TodayIds.h"

#include "platform/gdi/ColorRef.h"
#include "platform/net/NetworkSettings.h"
#include "suite/weather/CityTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

// The plug-in's pictures live in a static library, whose resources are registered by hand.
static void initTodayResources() {
    Q_INIT_RESOURCE(velmora_today);
}

namespace velmora::today {

namespace {

template <class T> T* tagged(T* widget, int id) {
    widget->setProperty("controlId", id);
    return widget;
}

QString text(const char16_t* s) {
    return QString::fromUtf16(s);
}

// A list with a spin (an up-down control) that steps its selection.
QWidget* spinList(QComboBox* list, int spinId, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(list, 1);
    auto* spin = tagged(new QWidget(box), spinId);
    auto* arrows = new QVBoxLayout(spin);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (bool up : {true, false}) {
        auto* b = new QToolButton(spin);
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRaise(true);
        QObject::connect(b, &QToolButton::clicked, list, [list, up] {
            const int i = list->currentIndex() + (up ? -1 : 1);
            if (i >= 0 && i < list->count()) list->setCurrentIndex(i);
        });
        arrows->addWidget(b);
    }
    row->addWidget(spin);
    return box;
}

} // namespace

UpdateChoice updateChoiceOf(int32_t connection, int32_t update) {
    return UpdateChoice{connection & 0xFFFF, (connection & 0x10000) != 0, update & 0xFFFF,
                        (update & 0x10000) != 0};
}

int32_t connectionValue(const UpdateChoice& c) {
    return (c.network & 0xFFFF) | (c.chooseNetwork ? 0x10000 : 0);
}

int32_t updateValue(const UpdateChoice& c) {
    return (c.interval & 0xFFFF) | (c.automatic ? 0x10000 : 0);
}

QWidget* makeDisplayPage(const TodaySettings& settings) {
    auto* page = tagged(new QWidget, IddOptionsDisplay);
    auto* grid = new QGridLayout(page);
    const char16_t* labels[] = {u"Trang chính", u"Trang 2", u"Trang 3", u"Trang 4"};
    for (int p = 0; p < kPageCount; ++p) {
        grid->addWidget(new QLabel(text(labels[p]), page), 2 * p, 0, 1, 2);
        for (int side = 0; side < 2; ++side) {
            auto* list = tagged(new QComboBox(page), IdcDisplayFirstList + 2 * p + side);
            for (const char16_t* name : kContentNames) list->addItem(text(name));
            list->setCurrentIndex(settings.pages[size_t(p)][size_t(side)]);
            grid->addWidget(list, 2 * p + 1, side);
        }
    }
    grid->setRowStretch(2 * kPageCount, 1);
    return page;
}

void collectDisplayPage(const QWidget* page, TodaySettings& settings) {
    for (int p = 0; p < kPageCount; ++p)
        for (int side = 0; side < 2; ++side)
            if (auto* list = control<QComboBox>(page, IdcDisplayFirstList + 2 * p + side))
                settings.pages[size_t(p)][size_t(side)] = std::max(0, list->currentIndex());
}

ColorButton::ColorButton(COLORREF& colour, Units units, QWidget* parent)
    : QAbstractButton(parent), colour_(colour), units_(units) {
    setFocusPolicy(Qt::StrongFocus);
}

QSize ColorButton::sizeHint() const {
    return QSize(units_.x(50), units_.y(18));
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
    const int arrow = units_.x(10);
    const QRect swatch =
        rect().adjusted(units_.x(2), units_.y(2), -units_.x(2) - arrow, -units_.y(2));
    p.fillRect(swatch, gdi::fromColorRef(colour_));
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    QStyleOption arrowOption;
    arrowOption.initFrom(this);
    arrowOption.rect = QRect(swatch.right() + 1, 0, rect().right() - swatch.right(), height());
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrowOption, &p, this);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), units_.x(2)));
        p.drawRect(rect().adjusted(units_.x(1), units_.y(1), -units_.x(1) - 1, -units_.y(1) - 1));
    }
}

QWidget* makeFormatPage(TodaySettings& settings, Units units) {
    auto* page = tagged(new QWidget, IddOptionsFormat);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(units.y(2));
    // Each font: its size on one line, its three flags on the next.
    for (int r = 0; r < 3; ++r) {
        const FontSetting& f = settings.fonts[size_t(r)];
        grid->addWidget(new QLabel(QStringLiteral("Cỡ chữ %1").arg(r + 1), page), 2 * r, 0);
        auto* size = tagged(new QLineEdit(QString::number(std::max(0, f.size)), page),
                            IdcFormatFirstSize + 4 * r);
        size->setValidator(new QIntValidator(0, 999, size)); // a number edit: digits only
        size->setMaxLength(3);
        size->setMaximumWidth(units.x(40));
        grid->addWidget(size, 2 * r, 1);
        auto* flagsRow = new QHBoxLayout;
        const struct {
            const char16_t* label;
            int32_t value;
        } flags[] = {{u"Đậm", f.bold}, {u"Nghiêng", f.italic}, {u"Mịn", f.smoothing}};
        for (int k = 0; k < 3; ++k) {
            auto* box = tagged(new QCheckBox(text(flags[k].label), page),
                               IdcFormatFirstSize + 4 * r + 1 + k);
            box->setChecked(flags[k].value != 0);
            flagsRow->addWidget(box);
        }
        flagsRow->addStretch(1);
        grid->addLayout(flagsRow, 2 * r + 1, 0, 1, 4);
    }
    for (int k = 0; k < 6; ++k) {
        const int row = 6 + k / 2, column = (k % 2) * 2;
        grid->addWidget(new QLabel(QStringLiteral("Màu %1").arg(k + 1), page), row, column);
        auto* button = tagged(new ColorButton(settings.colors[size_t(k)], units, page),
                              IdcFormatFirstColor + k);
        grid->addWidget(button, row, column + 1);
        QObject::connect(button, &QAbstractButton::clicked, button, [button, &settings, k, units] {
            QWidget* frame = button->window();
            ColorPicker picker(settings.colors[size_t(k)], units,
                               QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()), button);
            picker.exec();
            if (picker.chosen()) settings.colors[size_t(k)] = *picker.chosen(); // in memory at once
            button->update();
        });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(9, 1);
    return page;
}

void collectFormatPage(const QWidget* page, TodaySettings& settings) {
    for (int r = 0; r < 3; ++r) {
        FontSetting& f = settings.fonts[size_t(r)];
        if (auto* size = control<QLineEdit>(page, IdcFormatFirstSize + 4 * r))
            f.size = int32_t(size->text().toUInt());
        int32_t* flags[] = {&f.bold, &f.italic, &f.smoothing};
        for (int k = 0; k < 3; ++k)
            if (auto* box = control<QCheckBox>(page, IdcFormatFirstSize + 4 * r + 1 + k))
                *flags[k] = box->isChecked() ? 1 : 0;
    }
}

PlacesPage::PlacesPage(QWidget* parent) : QWidget(parent), rows_(loadCityRows()) {
    setProperty("controlId", IddOptionsPlaces);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Quốc gia"), this), 0, 0);
    auto* country = tagged(new QComboBox(this), IdcPlacesCountry);
    country->addItem(QStringLiteral("Việt Nam"));
    grid->addWidget(country, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Thành phố"), this), 1, 0);
    names_ = tagged(new QComboBox(this), IdcPlacesCityNames);
    for (const weather::CityEntry& entry : weather::cityTable()) names_->addItem(text(entry.name));
    grid->addWidget(names_, 1, 1, 1, 3);

    list_ = tagged(new QTreeWidget(this), IdcPlacesCities);
    list_->setColumnCount(4);
    list_->setHeaderLabels({QStringLiteral("TEN"), QStringLiteral("MTP"), QStringLiteral("MTT"),
                            QStringLiteral("STT")});
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) list_->setColumnHidden(c, true); // width 0, as on the device
    grid->addWidget(list_, 2, 0, 1, 4);
    connect(list_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (!filling_)
            setChecked(list_->indexOfTopLevelItem(item), item->checkState(0) == Qt::Checked);
    });

    const struct {
        int id;
        const char16_t* label;
    } buttons[] = {{IdcPlacesAdd, u"Thêm"},
                   {IdcPlacesDelete, u"Xóa"},
                   {IdcPlacesUp, u"Lên"},
                   {IdcPlacesDown, u"Xuống"}};
    for (int b = 0; b < 4; ++b) {
        auto* button = tagged(new QPushButton(text(buttons[b].label), this), buttons[b].id);
        grid->addWidget(button, 3, b);
        connect(button, &QPushButton::clicked, this, [this, b] {
            switch (b) {
            case 0:
                add();
                break;
            case 1:
                remove();
                break;
            case 2:
                move(true);
                break;
            default:
                move(false);
                break;
            }
        });
    }
    show(-1);
}

int PlacesPage::selectedRow() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->indexOfTopLevelItem(item) : -1;
}

void PlacesPage::selectRow(int row) {
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) {
        list_->setCurrentItem(item);
        item->setSelected(true);
    } else {
        list_->clearSelection();
        list_->setCurrentItem(nullptr);
    }
}

void PlacesPage::setChecked(int row, bool checked) {
    if (row < 0 || row >= int(rows_.size())) return;
    rows_[size_t(row)].checked = checked;
    show(selectedRow());
}

void PlacesPage::add() {
    const int row = addCity(rows_, names_->currentText(), selectedRow());
    show(row >= 0 ? row : selectedRow());
}

void PlacesPage::remove() {
    const int row = selectedRow();
    if (deleteCity(rows_, row)) show(std::min(row, int(rows_.size()) - 1));
}

void PlacesPage::move(bool up) {
    const int row = selectedRow();
    if (row >= 0) show(moveCity(rows_, row, up));
}

void PlacesPage::show(int selected) {
    filling_ = true;
    list_->clear();
    for (const CityRow& row : rows_) {
        auto* item = new QTreeWidgetItem(list_, {row.name, row.key, row.code, row.order});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    selectRow(selected);
}

QWidget* makeUpdatePage(const TodaySettings& settings) {
    const UpdateChoice choice = updateChoiceOf(settings.connection, settings.update);
    auto* page = tagged(new QWidget, IddOptionsUpdate);
    auto* layout = new QVBoxLayout(page);
    auto* automaticConnection =
        tagged(new QRadioButton(QStringLiteral("Tự động kết nối"), page), IdcUpdateAutoConnect);
    auto* chooseConnection =
        tagged(new QRadioButton(QStringLiteral("Chọn loại kết nối"), page), IdcUpdateChooseNetwork);
    auto* networks = tagged(new QComboBox(page), IdcUpdateNetworks);
    for (const net::Destination& d : net::destinations()) networks->addItem(d.description);
    networks->setCurrentIndex(choice.network < networks->count() ? choice.network : -1);
    auto* automaticUpdate =
        tagged(new QCheckBox(QStringLiteral("Tự động cập nhật"), page), IdcUpdateAutomatic);
    auto* intervals = tagged(new QComboBox(page), IdcUpdateIntervals);
    for (const char16_t* name : kIntervals) intervals->addItem(text(name));
    intervals->setCurrentIndex(choice.interval < intervals->count() ? choice.interval : -1);

    layout->addWidget(automaticConnection);
    layout->addWidget(chooseConnection);
    QWidget* networkRow = spinList(networks, IdcUpdateNetworksSpin, page);
    layout->addWidget(networkRow);
    layout->addSpacing(8);
    layout->addWidget(automaticUpdate);
    QWidget* intervalRow = spinList(intervals, IdcUpdateIntervalsSpin, page);
    layout->addWidget(intervalRow);
    layout->addStretch(1);

    (choice.chooseNetwork ? chooseConnection : automaticConnection)->setChecked(true);
    automaticUpdate->setChecked(choice.automatic);
    // A disabled list keeps its selection, which Done still saves.
    auto enableNetworks = [=] { networkRow->setEnabled(chooseConnection->isChecked()); };
    auto enableIntervals = [=] { intervalRow->setEnabled(automaticUpdate->isChecked()); };
    enableNetworks();
    enableIntervals();
    QObject::connect(automaticConnection, &QRadioButton::clicked, page, enableNetworks);
    QObject::connect(chooseConnection, &QRadioButton::clicked, page, enableNetworks);
    QObject::connect(automaticUpdate, &QCheckBox::clicked, page, enableIntervals);
    return page;
}

UpdateChoice collectUpdatePage(const QWidget* page) {
    UpdateChoice c;
    if (auto* list = control<QComboBox>(page, IdcUpdateNetworks))
        c.network = std::max(0, list->currentIndex());
    if (auto* radio = control<QRadioButton>(page, IdcUpdateChooseNetwork))
        c.chooseNetwork = radio->isChecked();
    if (auto* list = control<QComboBox>(page, IdcUpdateIntervals))
        c.interval = std::max(0, list->currentIndex());
    if (auto* box = control<QCheckBox>(page, IdcUpdateAutomatic)) c.automatic = box->isChecked();
    return c;
}

QWidget* makeAboutPage(Units units) {
    initTodayResources();
    auto* page = tagged(new QWidget, IddOptionsAbout);
    auto* layout = new QVBoxLayout(page);
    auto* icon = new QLabel(page);
    icon->setPixmap(
        QPixmap(QStringLiteral(":/velmora-today/icon101.png"))
            .scaled(units.x(32), units.y(32), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    for (const QString& line :
         {QStringLiteral("VelmoraToday 3.0b"), QStringLiteral("Bản quyền © VelmoraSoft"),
          net::weatherServer().toString()}) {
        auto* label = new QLabel(line, page);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    return page;
}

} // namespace velmora::today
