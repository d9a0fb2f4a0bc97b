// Loading the feng-shui pictures from the program's resources.
#include "app/fengshui/FengShuiPictures.h"

#include "suite/fengshui/NineStarRecord.h"

// The resources live in a static library: they are registered before the first picture is read.
static void registerFengShuiPictures() {
    static const bool done = [] {
        Q_INIT_RESOURCE(fengshui_pictures);
        return true;
    }();
    (void)done;
}

namespace velmora::app {

QImage nineStarPicture(int picture) {
    if (!fengshui::hasStarPicture(picture)) return {};
    registerFengShuiPictures();
    return QImage(QStringLiteral(":/fengshui/bmp%1.png").arg(fengshui::kFirstStarBitmap + picture));
}

QImage elementIconStrip() {
    registerFengShuiPictures();
    return QImage(QStringLiteral(":/fengshui/bmp179.png"));
}

} // namespace velmora::app
