// A minimal program on the device layer: a frame with a label and a soft-key bar.
#include "platform/shell/Application.h"
#include "platform/shell/DeviceFrame.h"

#include <QLabel>

int main(int argc, char** argv) {
    velmora::shell::Application app(argc, argv);
    velmora::shell::DeviceFrame frame;
    auto* label = new QLabel(QStringLiteral("Lịch vạn sự – Tháng Giêng, Ất Tị"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    frame.setContent(label);
    frame.setTitle(QStringLiteral("Lịch Velmora"));
    frame.setMenuBar(velmora::shell::SoftKeyBar::create(
        {101, QStringLiteral("Hôm nay"), 102, QStringLiteral("Thoát"), {}}));
    QObject::connect(frame.menuBar(), &velmora::shell::SoftKeyBar::command, &app, [](int id) {
        if (id == 102) QApplication::quit();
    });
    return app.run(frame);
}
