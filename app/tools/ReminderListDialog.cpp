// The reminder list window: its list control, commands, keys and the save.
#include "app/tools/ReminderListDialog.h"

#include "app/res/CommandIds.h"
#include "app/tools/ReminderEditorDialog.h"
#include "app/tools/ReminderIcons.h"
#include "app/tools/ReminderRowPainter.h"
#include "platform/shell/ControlId.h"

#include "platform/device/DeviceClock.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/shell/DeviceFrame.h"
#include "platform/shell/DeviceKey.h"
#include "platform/shell/MenuBarFailure.h"
#include "platform/shell/MessageBox.h"
#include "suite/reminders/ReminderAlarms.h"
#include "suite/today/ReminderChange.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>

namespace velmora::app {

using namespace velmora::reminders;
using screen::ScaleX;
using screen::ScaleY;
using shell::MenuItem;

namespace {

const QString kErrorCaption = QStringLiteral("Có lỗi");

// Paints each row from the list's state; the item's data is the row index.
class RowDelegate : public QStyledItemDelegate {
  public:
    RowDelegate(const ReminderListState& state, const gdi::ImageList& icons, QObject* parent)
        : QStyledItemDelegate(parent), state_(state), icons_(icons) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int row = index.row();
        if (row < 0 || row >= int(state_.rows.size())) return;
        const QPalette& pal = option.palette;
        paintReminderRow(
            *painter, option.rect, state_.rows[row], option.state & QStyle::State_Selected, icons_,
            RowColours{pal.color(QPalette::Highlight), pal.color(QPalette::HighlightedText),
                       pal.color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0)});
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return QSize(0, ScaleY(kReminderRowHeight));
    }

  private:
    const ReminderListState& state_;
    const gdi::ImageList& icons_;
};

} // namespace

std::vector<MenuItem> ReminderListDialog::reminderMenu() {
    using shell::MenuRadio;
    using shell::MenuSeparator;
    return {{CmdRemindersAdd, QStringLiteral("Thêm mới"), 0, {}},
            {CmdRemindersSave, QStringLiteral("Lưu dữ liệu"), 0, {}},
            {CmdRemindersView, QStringLiteral("Xem chi tiết"), 0, {}},
            {CmdRemindersRedraw, QStringLiteral("Làm lại"), 0, {}},
            {CmdRemindersDelete, QStringLiteral("Xóa"), 0, {}},
            {0, QString(), MenuSeparator, {}},
            {CmdRemindersByTitle, QStringLiteral("Theo tiêu đề"), MenuRadio, {}},
            {CmdRemindersByDate, QStringLiteral("Theo thời gian"), MenuRadio, {}},
            {CmdRemindersByPlace, QStringLiteral("Theo địa điểm"), MenuRadio, {}},
            {CmdRemindersByKind, QStringLiteral("Theo thể loại"), MenuRadio, {}}};
}

ReminderListDialog::ReminderListDialog(QWidget* owner, uint32_t changeMessage,
                                       const QString& filePath, std::vector<MenuItem> menu,
                                       const QImage& strip)
    : FullScreenDialog(owner, QStringLiteral("Lịch lễ hội, lịch nhắn"), menu),
      changeMessage_(changeMessage), filePath_(filePath), menu_(menu) {
    setObjectName(QStringLiteral("ReminderList"));
    menuBarFailed_ = shell::menuPopupMissing(*this, menu);
    icons_ = gdi::LoadImageListScaled(strip.isNull() ? reminderImageStrip() : strip,
                                      kReminderIconSize, 0xFFFFFF, screen::current().dpi);
}

bool ReminderListDialog::onOpen() {
    if (menuBarFailed_)
        QTimer::singleShot(0, this, [this] {
            shell::messageBox(this, QStringLiteral("Không tạo được menu"), kErrorCaption,
                              shell::MB_OK);
        });
    state_ = ReminderListState{};
    // The list control needs the kinds' icons; without them the window shows no rows.
    if (icons_.count() >= 3) {
        view_ = shell::withControlId(new QListWidget(this), IdcRemindersList);
        view_->setItemDelegate(new RowDelegate(state_, icons_, view_));
        view_->setUniformItemSizes(true);
        view_->setSelectionMode(QAbstractItemView::SingleSelection);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        view_->installEventFilter(this);
        connect(view_, &QListWidget::currentRowChanged, this,
                [this](int row) { state_.selected = row; });
        connect(view_, &QListWidget::itemDoubleClicked, this, [this] { runEditor(true); });
        fitList();
        view_->show();
    }
    if (!LoadReminderFile(state_.rows, filePath_))
        QTimer::singleShot(0, this, [this] {
            shell::messageBox(this, QStringLiteral("Không tìm thấy file lichnhan.dat"),
                              kErrorCaption, shell::MB_OK | shell::MB_TOPMOST);
        });
    sortBy(ReminderSort::Date);
    if (view_) view_->setFocus();
    return true;
}

void ReminderListDialog::onClosed() {
    // The full-screen mode belongs to this window and ends with it.
    state_.fullScreen = false;
    if (shell::DeviceFrame* f = frame()) f->setFullScreenMode(f->isFullScreenMode());
}

void ReminderListDialog::showRows() {
    if (!view_) return;
    const QSignalBlocker quiet(view_);
    view_->clear();
    for (std::size_t i = 0; i < state_.rows.size(); ++i)
        view_->addItem(QString::fromStdU16String(state_.rows[i].columns[ColumnTitle]));
    view_->setCurrentRow(state_.selected);
    if (state_.selected < 0) view_->clearSelection();
    view_->viewport()->update();
}

void ReminderListDialog::select(int row) {
    state_.selected = row >= 0 && row < int(state_.rows.size()) ? row : -1;
    showRows();
}

void ReminderListDialog::sortBy(ReminderSort key) {
    state_.sortBy(key);
    if (QAction* a = softKeyBar()->action(sortCommand(key))) a->setChecked(true);
    showRows();
}

bool ReminderListDialog::runEditor(bool edit) {
    if (editor_) return false;
    const int index = state_.selected;
    if (edit && (index < 0 || index >= int(state_.rows.size()))) return false;
    const QTime now = device::localNow().time();
    const ReminderEditorValues values =
        edit ? editorValuesOf(state_.rows[index], now) : newReminderValues(now);
    ReminderEditorDialog editor(this, values, menu_);
    editor_ = &editor;
    const int result = editor.exec();
    editor_ = nullptr;
    applyFullScreen(); // the editor came with the bars
    if (result != shell::IDOK) return true;
    // A new row stays at the end: the list is not sorted again.
    if (edit)
        state_.replace(index, rowOfEditor(editor.values(), &state_.rows[index]));
    else
        state_.append(rowOfEditor(editor.values(), nullptr));
    showRows();
    return true;
}

void ReminderListDialog::save() {
    const SaveOutcome saved = SaveReminderFile(state_.rows, filePath_);
    if (!saved.written) {
        shell::messageBox(this, QStringLiteral("Không ghi được file lichnhan.dat"), kErrorCaption,
                          shell::MB_OK | shell::MB_ICONERROR);
        return;
    }
    std::vector<ReminderRecord> records;
    for (const ReminderRow& row : state_.rows) records.push_back(recordFromRow(row));
    const bool registered = registerReminderAlarms(records, localMomentOf(device::localNow()));
    if (!registered)
        shell::messageBox(this, QStringLiteral("Không thiết lập được thông báo"), kErrorCaption,
                          shell::MB_OK | shell::MB_ICONERROR);
    else if (saved.alarms > 0)
        shell::messageBox(nullptr, QStringLiteral("Đã thiết lập %1 thông báo").arg(saved.alarms),
                          QStringLiteral("OK"), shell::MB_OK);
    today::AnnounceReminderChange(changeMessage_);
}

void ReminderListDialog::onCommand(int id) {
    if (const std::optional<ReminderSort> key = sortOfCommand(id)) {
        sortBy(*key);
    } else {
        switch (id) {
        case shell::IDOK:
        case shell::IDCANCEL:
            done(id);
            return;
        case CmdRemindersAdd:
            runEditor(false);
            break;
        case CmdRemindersView:
            runEditor(true);
            break;
        case CmdRemindersDelete:
            if (state_.removeSelected()) showRows();
            break;
        case CmdRemindersSave:
            save();
            break;
        default: // "Làm lại": a repaint only
            break;
        }
    }
    update();
    if (view_) view_->viewport()->update();
}

bool ReminderListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const shell::DeviceKey key = shell::deviceKeyOf(*static_cast<QKeyEvent*>(event));
        if (key == shell::DeviceKey::Enter) {
            runEditor(true);
            return true;
        }
        if (key == shell::DeviceKey::Digit0 || key == shell::DeviceKey::Back) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return FullScreenDialog::eventFilter(watched, event);
}

void ReminderListDialog::keyPressEvent(QKeyEvent* event) {
    if (shell::deviceKeyOf(*event) == shell::DeviceKey::Digit0) {
        toggleFullScreen();
        return;
    }
    FullScreenDialog::keyPressEvent(event);
}

void ReminderListDialog::toggleFullScreen() {
    state_.fullScreen = !state_.fullScreen;
    applyFullScreen();
    if (view_) view_->setFocus();
}

void ReminderListDialog::applyFullScreen() {
    shell::DeviceFrame* f = frame();
    if (!f || !isOpen()) return;
    // The frame's own full-screen mode is the main window's; this window takes the whole screen
    // itself, and the frame's layout gives the bars back.
    if (!state_.fullScreen) {
        f->setFullScreenMode(f->isFullScreenMode());
        return;
    }
    f->taskBar()->hide();
    softKeyBar()->hide();
    f->workArea()->setGeometry(f->rect());
    setGeometry(f->workArea()->rect());
}

void ReminderListDialog::fitList() {
    if (view_) view_->setGeometry(rect());
}

void ReminderListDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    fitList();
}

} // namespace velmora::app
