// Names, sizes and formats of the shipped pictures, and writing them.
#include "tools/velmora-art/src/PictureSet.h"

#include "tools/velmora-art/src/Backgrounds.h"
#include "tools/velmora-art/src/ClockFace.h"
#include "tools/velmora-art/src/DayBitmaps.h"
#include "tools/velmora-art/src/NineStarPictures.h"
#include "tools/velmora-art/src/ProgramIcon.h"
#include "tools/velmora-art/src/TodayDigits.h"
#include "tools/velmora-art/src/TodayFrames.h"
#include "tools/velmora-art/src/WeatherIcon.h"

#include <QDir>
#include <QImage>
#include <stdexcept>

namespace velmora::art {
namespace {

constexpr int jpegQuality = 90;

void save(const QImage& image, const QString& outputDir, const QString& relative,
          QStringList& written) {
    const QString path = QDir(outputDir).filePath(relative);
    const bool jpeg = relative.endsWith(QLatin1String(".jpg"));
    if (!image.save(path, jpeg ? "JPEG" : "PNG", jpeg ? jpegQuality : -1)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    written << relative;
}

} // namespace

QStringList writePictures(const QString& outputDir) {
    for (const char* folder : {"Images", "Resources"}) {
        if (!QDir().mkpath(QDir(outputDir).filePath(QLatin1String(folder)))) {
            throw std::runtime_error("cannot make " + outputDir.toStdString() + "/" + folder);
        }
    }
    QStringList written;
    save(leafBackground({640, 480}), outputDir, "Images/L01.jpg", written);
    save(leafBackground({480, 640}), outputDir, "Images/P01.jpg", written);
    save(leafBackground({480, 480}), outputDir, "Images/Q01.jpg", written);
    for (int code = 1; code <= weatherCodeCount; ++code) {
        const QString number = QString::number(code).rightJustified(2, QLatin1Char('0'));
        save(weatherIcon(code, IconSize::Large), outputDir, "Images/wl" + number + ".png", written);
        save(weatherIcon(code, IconSize::Small), outputDir, "Images/wm" + number + ".png", written);
    }
    // The Today item's pictures, beside the weather icons it shares with the program.
    save(panelFrame(120), outputDir, "Images/vlh_f1.png", written);
    save(panelFrame(240), outputDir, "Images/vlh_f2.png", written);
    save(buttonFrame(), outputDir, "Images/vlh_fb.png", written);
    for (int digit = 0; digit <= 9; ++digit)
        save(digitPicture(digit), outputDir, QStringLiteral("Images/vlh_%1.png").arg(digit),
             written);
    save(separatorPicture(), outputDir, "Images/vlh_s.png", written);
    save(clockFace(), outputDir, "Images/clock.png", written);
    save(defaultPortrait(), outputDir, "Images/mypic.png", written);
    save(moonBitmap(), outputDir, "Resources/bmp131.png", written);
    save(sunBitmap(), outputDir, "Resources/bmp132.png", written);
    save(solarTermBitmap(), outputDir, "Resources/bmp133.png", written);
    for (int n = 0; n < starPictureCount; ++n)
        save(starPicture(n), outputDir, QString("Resources/bmp%1.png").arg(firstStarBitmap + n),
             written);
    save(elementIconStrip(), outputDir, QString("Resources/bmp%1.png").arg(elementStripBitmap),
         written);
    save(programIcon(64), outputDir, "Resources/icon101.png", written);
    save(programIcon(32), outputDir, "Resources/icon101-32.png", written);
    return written;
}

} // namespace velmora::art
