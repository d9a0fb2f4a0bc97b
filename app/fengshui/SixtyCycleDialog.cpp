// Building and filling the sixty-cycle list.
#include "app/fengshui/SixtyCycleDialog.h"

#include "app/fengshui/FengShuiControls.h"
#include "app/fengshui/FengShuiPictures.h"
#include "app/fengshui/HouseTrigramDialog.h"
#include "app/res/CommandIds.h"
#include "app/shell/ProgramDataFile.h"
#include "suite/fengshui/DataFileMessages.h"
#include "suite/fengshui/SixtyCycleRecord.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ColorRef.h"
#include "platform/screen/ScreenProfile.h"

#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>

namespace velmora::app {

using screen::ScaleX;
using namespace fengshui;

shell::MenuBarDescription SixtyCycleDialog::menuBar() {
    return okMenuBar();
}

SixtyCycleDialog::SixtyCycleDialog(QWidget* owner, const QString& programFolder,
                                   const shell::MenuBarDescription& keys)
    : FullScreenDialog(keys, owner, QStringLiteral("Lục thập hoa giáp")),
      programFolder_(programFolder) {
    setObjectName(QStringLiteral("SixtyCycleDialog"));
    menuBarFailed_ = !shell::isValidMenuBar(keys);
    list_ = withControlId(new QTreeWidget(this), IdcSixtyCycleList);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({QStringLiteral("Sinh năm"), QStringLiteral("Can chi"),
                            QStringLiteral("Ngũ Hành"), QStringLiteral("Trạch")});
    const int widths[] = {85, 75, 110, 45};
    for (int c = 0; c < 4; ++c) list_->setColumnWidth(c, ScaleX(widths[c]));
    list_->header()->setStretchLastSection(false);
}

bool SixtyCycleDialog::onOpen() {
    if (menuBarFailed_) {
        menuBarFailed_ = false;
        // Once the dialog is up, as the device reports it while the dialog opens.
        QTimer::singleShot(0, this,
                           [this] { tellError(this, QStringLiteral("Không tạo được menu")); });
    }
    if (!filled_) {
        filled_ = true;
        fill();
    }
    list_->setFocus();
    return true;
}

void SixtyCycleDialog::fill() {
    list_->clear();
    const auto records = readSixtyCycleFile(programDataFile(programFolder_, kSixtyCycleFileName));
    if (!records) {
        tellMissingDataFile(this, kSixtyCycleFileName);
        return;
    }
    const gdi::ImageList icons = gdi::LoadImageListScaled(
        elementIconStrip(), 16, gdi::RGB(255, 255, 255), screen::current().dpi);
    if (icons.isValid()) list_->setIconSize(QSize(icons.cx, icons.cy));
    for (std::size_t r = 0; r < records->size(); ++r) {
        const SixtyCycleRow row = sixtyCycleRow(int(r), (*records)[r]);
        auto* item = new QTreeWidgetItem(list_, {fromU16(row.years), fromU16(row.canChi),
                                                 fromU16(row.element), fromU16(row.trach)});
        item->setData(0, Qt::UserRole, int(r));
        const int icon = (*records)[r].icon;
        if (icon >= 0 && icon < icons.count())
            item->setIcon(0, QIcon(QPixmap::fromImage(icons.images[std::size_t(icon)])));
    }
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
}

void SixtyCycleDialog::resizeEvent(QResizeEvent* event) {
    FullScreenDialog::resizeEvent(event);
    list_->setGeometry(rect());
}

} // namespace velmora::app
