// The about box.
#include "app/shell/AboutDialog.h"

#include "platform/screen/ScreenProfile.h"

#include <QLabel>
#include <QVBoxLayout>

namespace velmora::app {

using velmora::screen::ScaleX;
using velmora::screen::ScaleY;

AboutDialog::AboutDialog(QWidget* owner) : FullScreenDialog(owner, QStringLiteral("Thông tin")) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(ScaleX(10), ScaleY(10), ScaleX(10), ScaleY(10));
    layout->setSpacing(ScaleY(8));
    auto* name = new QLabel(QStringLiteral("<b>Lịch Velmora 3.0.8</b>"), this);
    QFont big = name->font();
    big.setPixelSize(ScaleY(16));
    name->setFont(big);
    name->setAlignment(Qt::AlignHCenter);
    layout->addWidget(name);
    const char* lines[] = {
        "Lịch âm dương Việt Nam, lịch vạn sự, nhịp sinh học, thời tiết, phong thủy và tử vi.",
        "Âm lịch tính theo giờ Hà Nội (múi giờ +7), các năm 1800–2199.",
        "Nhà phát triển: VelmoraSoft.",
        "Thông tin cập nhật được đăng trên trang web của VelmoraSoft.",
    };
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter);
        layout->addWidget(label);
    }
    layout->addStretch();
}

} // namespace velmora::app
