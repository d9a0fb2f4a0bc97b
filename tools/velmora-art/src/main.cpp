// velmora-art OUTPUT_DIR [--sheet FILE]: draws the suite's pictures into OUTPUT_DIR.
#include "tools/velmora-art/src/ContactSheet.h"
#include "tools/velmora-art/src/PictureSet.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // Plug-ins (JPEG writing) are found through the application object; nothing draws text.
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool withSheet = args.size() == 3 && args[1] == QLatin1String("--sheet");
    if (args.size() != 1 && !withSheet) {
        std::fprintf(stderr, "usage: velmora-art OUTPUT_DIR [--sheet FILE]\n");
        return 2;
    }
    try {
        const QStringList written = velmora::art::writePictures(args[0]);
        if (withSheet && !velmora::art::contactSheet(args[0]).save(args[2], "PNG")) {
            std::fprintf(stderr, "velmora-art: cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
        std::printf("velmora-art: %lld pictures in %s\n", static_cast<long long>(written.size()),
                    qPrintable(args[0]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
