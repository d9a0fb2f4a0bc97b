// Lays out every written picture on one review image.
#include "tools/velmora-art/src/ContactSheet.h"

#include "tools/velmora-art/src/WeatherTable.h"

#include <QDir>
#include <QPainter>

namespace velmora::art {
namespace {

const QColor paper(254, 250, 240);
const QColor weatherBlue(0x33, 0x99, 0xFF); // the weather window's fill colour

QImage load(const QString& dir, const QString& relative) {
    return QImage(QDir(dir).filePath(relative));
}

// The bitmap as the day page shows it: pure white made transparent.
QImage keyedOut(const QImage& bmp) {
    QImage out = bmp.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if ((out.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu) out.setPixel(x, y, 0u);
        }
    }
    return out;
}

} // namespace

QImage contactSheet(const QString& outputDir) {
    constexpr int columns = 6, cellW = 330, cellH = 150;
    const int rows = (weatherCodeCount + columns - 1) / columns;
    const int iconsH = rows * cellH;
    QImage sheet(columns * cellW, iconsH + 580, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);

    for (int code = 1; code <= weatherCodeCount; ++code) {
        const QString number = QString::number(code).rightJustified(2, QLatin1Char('0'));
        const int x = ((code - 1) % columns) * cellW, y = ((code - 1) / columns) * cellH;
        p.fillRect(x + 2, y + 2, 244, 144, paper);
        p.drawImage(x + 4, y + 4, load(outputDir, "Images/wl" + number + ".png"));
        p.fillRect(x + 248, y + 2, 80, 144, weatherBlue);
        p.fillRect(x + 248, y + 76, 80, 70, paper);
        const QImage small = load(outputDir, "Images/wm" + number + ".png");
        p.drawImage(x + 264, y + 14, small);
        p.drawImage(x + 264, y + 86, small);
    }

    // Bitmaps and program icons, enlarged four times (bitmaps twice) to see their pixels.
    int x = 4;
    for (const char* name : {"bmp131", "bmp132", "bmp133"}) {
        const QImage bmp = load(outputDir, QString("Resources/%1.png").arg(QLatin1String(name)));
        p.drawImage(QRect(x, iconsH + 4, 64, 64), bmp);
        p.fillRect(x, iconsH + 72, 40, 20, paper);
        p.drawImage(x, iconsH + 72, keyedOut(bmp));
        p.drawImage(x + 16, iconsH + 72, keyedOut(bmp).scaled(16, 16));
        x += 72;
    }
    p.drawImage(QRect(x, iconsH + 4, 128, 128), load(outputDir, "Resources/icon101.png"));
    p.drawImage(QRect(x + 136, iconsH + 4, 64, 64), load(outputDir, "Resources/icon101-32.png"));

    // Backgrounds at half size.
    x = 420;
    for (const char* name : {"L01", "P01", "Q01"}) {
        const QImage bg = load(outputDir, QString("Images/%1.jpg").arg(QLatin1String(name)));
        p.drawImage(QRect(x, iconsH + 4, bg.width() / 2, bg.height() / 2), bg);
        x += bg.width() / 2 + 10;
    }

    // The nine stars' pictures at their size, then the element icons enlarged four times and at
    // their size on a white and on a selected list row.
    const int starsY = iconsH + 370;
    for (int n = 0; n < 9; ++n)
        p.drawImage(4 + n * 160, starsY,
                    load(outputDir, QString("Resources/bmp%1.png").arg(170 + n)));
    const QImage strip = load(outputDir, QStringLiteral("Resources/bmp179.png"));
    p.drawImage(QRect(1450, starsY, strip.width() * 4, strip.height() * 4), strip);
    p.fillRect(1450, starsY + 80, strip.width() + 8, 24, Qt::white);
    p.drawImage(1454, starsY + 84, keyedOut(strip));
    p.fillRect(1450, starsY + 110, strip.width() + 8, 24, QColor(0x31, 0x6A, 0xC5));
    p.drawImage(1454, starsY + 114, keyedOut(strip));
    p.end();
    return sheet;
}

} // namespace velmora::art
