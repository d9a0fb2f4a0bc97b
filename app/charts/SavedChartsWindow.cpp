// The saved-charts window: its controls, the rows of the working copy and the commands.
#include "app/charts/SavedChartsWindow.h"

#include "app/charts/BirthEntryDialog.h"
#include "app/charts/ChartFiles.h"
#include "app/charts/ChartPainting.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramDataFile.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/ControlId.h"
#include "platform/shell/DeviceKey.h"
#include "suite/charts/StarRecord.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::app {

using screen::ScaleX;
using screen::ScaleY;

namespace {

const QString kMissingFile = QStringLiteral("Không tìm thấy file luulaso.dat");

// The list's two sex pictures, 32 units wide (0 female, 1 male): a figure in a circle.
QIcon sexIcon(bool male) {
    const int size = ScaleX(32);
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = male ? QColor(0x1F, 0x5F, 0xBF) : QColor(0xCF, 0x3F, 0x7F);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(size * 0.3, size * 0.08, size * 0.4, size * 0.4)); // head
    if (male)
        p.drawRect(QRectF(size * 0.22, size * 0.52, size * 0.56, size * 0.44)); // shoulders
    else
        p.drawPolygon(QPolygonF({QPointF(size * 0.5, size * 0.5), QPointF(size * 0.15, size * 0.96),
                                 QPointF(size * 0.85, size * 0.96)})); // dress
    return QIcon(picture);
}

} // namespace

std::vector<shell::MenuItem> savedChartsMenu() {
    return {{CmdSavedChartsDetails, QStringLiteral("Xem chi tiết"), 0, {}},
            {CmdSavedChartsNew, QStringLiteral("Lá số mới"), 0, {}},
            {CmdSavedChartsSave, QStringLiteral("Lưu thông tin"), 0, {}},
            {CmdSavedChartsDelete, QStringLiteral("Xóa lá số"), 0, {}},
            {0, {}, shell::MenuSeparator, {}},
            {shell::IDCANCEL, QStringLiteral("Trở về"), 0, {}}};
}

SavedChartsWindow::SavedChartsWindow(QWidget* owner, const QString& programFolder)
    : FullScreenDialog(owner, QStringLiteral("Danh sách lưu kiện"), savedChartsMenu()),
      programFolder_(programFolder) {
    setObjectName(QStringLiteral("SavedChartsWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(ScaleX(2), ScaleY(2), ScaleX(2), ScaleY(2));
    layout->setSpacing(ScaleY(2));
    search_ = shell::withControlId(new QLineEdit(this), IdcSavedChartsSearch);
    search_->setMaxLength(int(kSearchLimit));
    search_->setPlaceholderText(QStringLiteral("Tìm theo tên hoặc điện thoại"));
    view_ = shell::withControlId(new QTreeWidget(this), IdcSavedChartsList);
    view_->setRootIsDecorated(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setIconSize(QSize(ScaleX(32), ScaleX(32)));
    view_->setHeaderLabels({QStringLiteral("Họ tên"), QStringLiteral("Ngày dương"),
                            QStringLiteral("Ngày âm"), QStringLiteral("Cơ quan"),
                            QStringLiteral("Địa chỉ"), QStringLiteral("Điện thoại"),
                            QStringLiteral("Email"), QStringLiteral("Mã số")});
    view_->header()->setStretchLastSection(false);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->installEventFilter(this);
    layout->addWidget(search_);
    layout->addWidget(view_, 1);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        list_.setSearch(text.toStdU16String());
        fillRows();
    });
    connect(view_, &QTreeWidget::itemDoubleClicked, this, [this] { editSelected(); });
}

QWidget* SavedChartsWindow::control(int id) const {
    return shell::findControl(*this, id);
}

bool SavedChartsWindow::onOpen() {
    reload();
    view_->setFocus();
    return true;
}

void SavedChartsWindow::reload() {
    const auto result = list_.load(programDataFile(programFolder_, charts::kSavedChartsFileName));
    if (result == SavedChartsList::LoadResult::TooLong)
        showChartError(this, QStringLiteral("File luulaso.dat quá lớn, không đọc được."));
    else if (result != SavedChartsList::LoadResult::Loaded)
        showChartError(this, kMissingFile);
    list_.setSearch(search_->text().toStdU16String());
    fillRows();
}

void SavedChartsWindow::fillRows() {
    view_->clear();
    for (int row = 0; row < list_.rowCount(); ++row) {
        const charts::BirthRecord& r = *list_.recordAtRow(row);
        const auto columns = savedChartColumns(r);
        auto* item = new QTreeWidgetItem(view_);
        for (int c = 0; c < kSavedChartsColumns; ++c)
            item->setText(c, QString::fromStdU16String(columns[c]));
        item->setIcon(0, sexIcon(charts::isMale(r)));
    }
    layoutColumns();
}

void SavedChartsWindow::layoutColumns() {
    // "Ngày dương" as wide as its text, "Họ tên" the rest; the other columns are kept for the
    // file and the details and take no room.
    const int date =
        view_->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00")) + ScaleX(12);
    const int width = view_->viewport()->width();
    view_->setColumnWidth(0, std::max(ScaleX(60), width - date));
    view_->setColumnWidth(1, date);
    for (int c = 2; c < kSavedChartsColumns; ++c) view_->setColumnWidth(c, 0);
}

void SavedChartsWindow::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    layoutColumns();
}

int SavedChartsWindow::selectedRow() const {
    const QTreeWidgetItem* item = view_->currentItem();
    if (!item || !item->isSelected()) return -1;
    return view_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

void SavedChartsWindow::selectRow(int row) {
    if (QTreeWidgetItem* item = view_->topLevelItem(row)) {
        view_->setCurrentItem(item);
        item->setSelected(true);
    }
}

void SavedChartsWindow::editSelected() {
    const int row = selectedRow();
    const charts::BirthRecord* record = list_.recordAtRow(row);
    if (!record) return;
    BirthEntryDialog dialog(this, record);
    child_ = &dialog;
    const int result = dialog.exec();
    child_ = nullptr;
    if (result != shell::IDOK) return;
    list_.replace(row, dialog.record());
    fillRows();
    selectRow(row);
}

void SavedChartsWindow::addNew() {
    BirthEntryDialog dialog(this);
    child_ = &dialog;
    const int result = dialog.exec();
    child_ = nullptr;
    if (result != shell::IDOK) return;
    const QSignalBlocker quiet(search_);
    const int row = list_.append(dialog.record());
    search_->setText(QString::fromStdU16String(list_.search()));
    fillRows();
    selectRow(row);
}

void SavedChartsWindow::deleteSelected() {
    const int row = selectedRow();
    if (!list_.remove(row)) return;
    fillRows();
    selectRow(std::min(row, list_.rowCount() - 1));
}

void SavedChartsWindow::save() {
    switch (list_.save()) {
    case SavedChartsList::SaveResult::Saved:
        break;
    case SavedChartsList::SaveResult::NotLoaded:
        showChartError(this,
                       QStringLiteral("Không đọc được file luulaso.dat nên không ghi đè lên nó."));
        break;
    case SavedChartsList::SaveResult::CannotCreate:
        showChartError(this, kMissingFile);
        break;
    case SavedChartsList::SaveResult::CannotWrite:
        showChartError(this, QStringLiteral("Không ghi được file luulaso.dat"));
        break;
    }
}

void SavedChartsWindow::chooseSelected() {
    const charts::BirthRecord* record = list_.recordAtRow(selectedRow());
    if (!record) {
        done(shell::IDCANCEL);
        return;
    }
    chosen_ = *record;
    done(shell::IDOK);
}

void SavedChartsWindow::onCommand(int id) {
    switch (id) {
    case shell::IDOK:
        chooseSelected();
        break;
    case shell::IDCANCEL:
        done(shell::IDCANCEL);
        break;
    case CmdSavedChartsDetails:
        editSelected();
        break;
    case CmdSavedChartsNew:
        addNew();
        break;
    case CmdSavedChartsSave:
        save();
        break;
    case CmdSavedChartsDelete:
        deleteSelected();
        break;
    default:
        break;
    }
}

bool SavedChartsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        shell::deviceKeyOf(*static_cast<QKeyEvent*>(event)) == shell::DeviceKey::Enter) {
        editSelected();
        return true;
    }
    return FullScreenDialog::eventFilter(watched, event);
}

} // namespace velmora::app
