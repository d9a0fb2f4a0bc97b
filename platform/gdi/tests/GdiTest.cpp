// Pixel tests of text alignment, focus rectangles, gradients, keyed copies, image lists, Wu lines.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/ColorRef.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/WuLine.h"

#include <QTest>

using namespace velmora::gdi;

namespace {

QImage whiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

// Bounding box of every pixel that is not white.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

// The ink height of text drawn with plenty of room around it.
int unclippedInkHeight(const QFont& font, const QString& text) {
    QImage img = whiteImage(400, 200);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPoint(10, 100), text);
    p.end();
    return inkBox(img).height();
}

int grey(const QImage& img, int x, int y) {
    return qRed(img.pixel(x, y));
}

} // namespace

class GdiTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { installFontSubstitutions(); }

    void colorRefRoundTrip() {
        const COLORREF c = RGB(0x12, 0x34, 0x56);
        QCOMPARE(c, COLORREF(0x00563412));
        QCOMPARE(fromColorRef(c), QColor(0x12, 0x34, 0x56));
        QCOMPARE(toColorRef(QColor(0x12, 0x34, 0x56)), c);
        QCOMPARE(fromColorRef(0xFF0000FF), QColor(255, 0, 0)); // high byte ignored
    }

    void tahomaHasVietnameseGlyphs() {
        const QFont f = makeFont(QStringLiteral("Tahoma"), -12, 400, false, Quality::ClearType);
        QVERIFY2(hasVietnameseGlyphs(f), "no installed font draws every Vietnamese letter");
        QCOMPARE(f.pixelSize(), 12);
    }

    void makeFontHeightsAndWeights_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("wantWeight");
        QTest::newRow("em 20 bold") << -20 << 700 << 700;
        QTest::newRow("cell 20 normal") << 20 << 400 << 400;
        QTest::newRow("dont care weight") << -11 << 0 << 400;
        QTest::newRow("weight above range") << -11 << 1000 << 900;
    }
    void makeFontHeightsAndWeights() {
        QFETCH(int, height);
        QFETCH(int, weight);
        QFETCH(int, wantWeight);
        const QFont f = makeFont(QStringLiteral("Tahoma"), height, weight, false, Quality::Default);
        QCOMPARE(int(f.weight()), wantWeight);
        QCOMPARE(f.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
        const QFontMetrics fm(f);
        if (height < 0)
            QCOMPARE(f.pixelSize(), -height);
        else // a positive height is the cell: ascent + descent fit it
            QVERIFY(fm.ascent() + fm.descent() <= height + 1 &&
                    fm.ascent() + fm.descent() >= height - 2);
    }

    // Each alignment places the ink where the metrics say the text goes.
    void alignment_data() {
        QTest::addColumn<unsigned>("flags");
        const char* h[] = {"left", "center", "right"};
        const char* v[] = {"top", "vcenter", "bottom"};
        const unsigned hf[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
        const unsigned vf[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                QTest::addRow("%s %s single", h[i], v[j]) << (hf[i] | vf[j] | DT_SINGLELINE);
                QTest::addRow("%s %s multi", h[i], v[j]) << (hf[i] | vf[j]);
            }
    }
    void alignment() {
        QFETCH(unsigned, flags);
        QImage img = whiteImage(300, 120);
        const QRect rect(20, 10, 260, 100);
        const QString text = QStringLiteral("Ất Tị Đông");
        const QFont font = makeFont(QStringLiteral("Tahoma"), -16, 400, false, Quality::Default);
        {
            QPainter p(&img);
            p.setFont(font);
            p.setPen(Qt::black);
            drawText(p, rect, text, flags);
        }
        const QFontMetrics fm(font);
        const int w = fm.horizontalAdvance(text);
        const int x = (flags & DT_RIGHT)    ? rect.right() + 1 - w
                      : (flags & DT_CENTER) ? rect.left() + (rect.width() - w) / 2
                                            : rect.left();
        const QRect ink = inkBox(img);
        QVERIFY2(!ink.isEmpty(), "nothing drawn");
        // Horizontally the ink spans the advance width up to the glyphs' side bearings.
        QVERIFY(ink.left() >= x - 1 && ink.left() - x <= 3);
        QVERIFY(ink.right() <= x + w && x + w - 1 - ink.right() <= 3);
        // Vertically the whole text, accents on the capitals included, sits where asked.
        QCOMPARE(ink.height(), unclippedInkHeight(font, text));
        if (flags & DT_BOTTOM)
            QVERIFY(rect.bottom() - ink.bottom() >= 0 &&
                    rect.bottom() - ink.bottom() <= fm.descent());
        else if (flags & DT_VCENTER)
            QVERIFY(qAbs((ink.top() + ink.bottom()) / 2 - rect.center().y()) <= 3);
        else
            QVERIFY(ink.top() - rect.top() >= 0 && ink.top() - rect.top() <= 2);
    }

    // Stacked diacritics rise above the font's ascent; top-aligned lines once lost them.
    void stackedDiacriticsNotClippedAtTop() {
        const QFont font = makeFont(QStringLiteral("Tahoma"), -16);
        const QString text = QStringLiteral("ẤỖ");
        QImage img = whiteImage(100, 60);
        {
            QPainter p(&img);
            p.setFont(font);
            p.setPen(Qt::black);
            drawText(p, QRect(0, 20, 100, 40), text, DT_LEFT | DT_TOP);
        }
        const QRect ink = inkBox(img);
        QCOMPARE(ink.height(), unclippedInkHeight(font, text));
        QVERIFY(ink.top() >= 20);
    }

    void wordBreakWrapsOnlyWhenAsked_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<int>("lines");
        QTest::newRow("wordbreak wraps") << unsigned(DT_WORDBREAK) << 2;
        QTest::newRow("no wordbreak stays one line") << unsigned(DT_LEFT) << 1;
        QTest::newRow("singleline ignores newline") << unsigned(DT_SINGLELINE) << 1;
    }
    void wordBreakWrapsOnlyWhenAsked() {
        QFETCH(unsigned, flags);
        QFETCH(int, lines);
        const QFont font = makeFont(QStringLiteral("Tahoma"), -12);
        const QFontMetrics fm(font);
        const QString words = QStringLiteral("Tháng Giêng Ất Tị");
        const int width = fm.horizontalAdvance(QStringLiteral("Tháng Giêng")) + 2;
        const QString text = (flags & DT_SINGLELINE) ? QStringLiteral("Tháng\nGiêng") : words;
        const auto laid = layoutText(fm, QRect(0, 0, width, 200), text, flags);
        QCOMPARE(int(laid.size()), lines);
        if (flags & DT_WORDBREAK) {
            QCOMPARE(laid[0].text, QStringLiteral("Tháng Giêng"));
            QCOMPARE(laid[1].text, QStringLiteral("Ất Tị"));
            QCOMPARE(laid[1].box.top(), laid[0].box.bottom() + 1);
        }
    }

    void clippedUnlessNoClip_data() {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<bool>("inkOutside");
        QTest::newRow("clipped") << unsigned(DT_SINGLELINE) << false;
        QTest::newRow("noclip") << unsigned(DT_SINGLELINE | DT_NOCLIP) << true;
    }
    void clippedUnlessNoClip() {
        QFETCH(unsigned, flags);
        QFETCH(bool, inkOutside);
        QImage img = whiteImage(200, 40);
        const QRect rect(10, 10, 30, 20);
        {
            QPainter p(&img);
            p.setFont(makeFont(QStringLiteral("Tahoma"), -14));
            p.setPen(Qt::black);
            drawText(p, rect, QStringLiteral("Hồ Chí Minh"), flags);
        }
        QCOMPARE(!rect.contains(inkBox(img)), inkOutside);
    }

    void focusRectDotsAndUndo() {
        QImage img = whiteImage(12, 8);
        const QRect r(2, 1, 6, 4); // x 2..7, y 1..4
        {
            QPainter p(&img);
            drawFocusRect(p, r);
        }
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const bool border = r.contains(x, y) && (x == r.left() || x == r.right() ||
                                                         y == r.top() || y == r.bottom());
                const bool dot = border && ((x - r.left()) + (y - r.top())) % 2 == 0;
                QCOMPARE(img.pixel(x, y), dot ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        {
            QPainter p(&img);
            drawFocusRect(p, r);
        }
        QVERIFY(inkBox(img).isEmpty()); // inverted twice is undone
    }

    void gradientEnds_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("tall") << 50;
        QTest::newRow("two rows") << 2;
        QTest::newRow("one row takes the top colour") << 1;
    }
    void gradientEnds() {
        QFETCH(int, height);
        QImage img = whiteImage(4, 60);
        {
            QPainter p(&img);
            gradientFillVertical(p, QRect(0, 5, 4, height), RGB(0, 0, 255), RGB(255, 128, 0));
        }
        QCOMPARE(QColor(img.pixel(1, 5)), QColor(0, 0, 255));
        if (height > 1) QCOMPARE(QColor(img.pixel(1, 5 + height - 1)), QColor(255, 128, 0));
        QCOMPARE(img.pixel(1, 4), qRgb(255, 255, 255));
        QCOMPARE(img.pixel(1, 5 + height), qRgb(255, 255, 255));
        if (height == 50) { // the middle row is halfway
            const QColor mid(img.pixel(0, 5 + 49 / 2));
            QVERIFY(qAbs(mid.red() - 125) <= 3 && qAbs(mid.blue() - 130) <= 3);
        }
    }

    void transparentBltSkipsKeyAndStretches() {
        QImage src(2, 2, QImage::Format_RGB32);
        src.setPixel(0, 0, qRgb(255, 0, 255)); // key
        src.setPixel(1, 0, qRgb(255, 0, 0));
        src.setPixel(0, 1, qRgb(0, 255, 0));
        src.setPixel(1, 1, qRgb(255, 0, 255)); // key
        QImage dst = whiteImage(10, 10);
        {
            QPainter p(&dst);
            transparentBlt(p, QRect(2, 2, 4, 4), src, src.rect(), RGB(255, 0, 255));
        }
        QCOMPARE(dst.pixel(2, 2), qRgb(255, 255, 255)); // key kept the background
        QCOMPARE(dst.pixel(3, 3), qRgb(255, 255, 255));
        QCOMPARE(dst.pixel(4, 2), qRgb(255, 0, 0));
        QCOMPARE(dst.pixel(5, 3), qRgb(255, 0, 0));
        QCOMPARE(dst.pixel(2, 5), qRgb(0, 255, 0));
        QCOMPARE(dst.pixel(5, 5), qRgb(255, 255, 255));
        QCOMPARE(dst.pixel(6, 6), qRgb(255, 255, 255)); // nothing outside dest
    }

    void imageListScaling_data() {
        QTest::addColumn<int>("dotsPerMeter");
        QTest::addColumn<int>("screenDpi");
        QTest::addColumn<int>("wantSize");
        QTest::newRow("96-dpi strip on 192 dpi doubles") << 3780 << 192 << 32;
        QTest::newRow("192-dpi strip on 192 dpi stays") << 7559 << 192 << 16;
        QTest::newRow("96-dpi strip on 96 dpi stays") << 3780 << 96 << 16;
        QTest::newRow("72-dpi header counts as 96") << 2835 << 192 << 32;
        QTest::newRow("192-dpi strip on 96 dpi halves") << 7559 << 96 << 8;
        QTest::newRow("131-dpi strip on 192 rounds") << 5157 << 192 << 23;
    }
    void imageListScaling() {
        QFETCH(int, dotsPerMeter);
        QFETCH(int, screenDpi);
        QFETCH(int, wantSize);
        QImage strip(48, 16, QImage::Format_RGB32);
        strip.fill(qRgb(255, 0, 255));
        QPainter(&strip).fillRect(16 + 4, 4, 2, 2, QColor(0, 0, 255)); // a blue block in image 1
        strip.setDotsPerMeterX(dotsPerMeter);
        strip.setDotsPerMeterY(dotsPerMeter);
        const ImageList list = LoadImageListScaled(strip, 16, RGB(255, 0, 255), screenDpi);
        QVERIFY(list.isValid());
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.cx, wantSize);
        QCOMPARE(list.cy, wantSize);
        QCOMPARE(list.images[1].size(), QSize(wantSize, wantSize));
        QCOMPARE(qAlpha(list.images[0].pixel(0, 0)), 0); // mask colour is transparent
        const int at = 5 * wantSize / 16;                // the block's centre, scaled
        QCOMPARE(list.images[1].pixel(at, at), qRgb(0, 0, 255));
    }

    void imageListRejectsBadInput() {
        QVERIFY(!LoadImageListScaled(QImage(), 16, 0, 96).isValid());
        QImage strip(32, 16, QImage::Format_RGB32);
        strip.fill(Qt::red);
        QVERIFY(!LoadImageListScaled(strip, 0, 0, 96).isValid());
        QVERIFY(!LoadImageListScaled(strip, -4, 0, 96).isValid());
        QVERIFY(!LoadImageListScaled(strip, 33, 0, 96).isValid());  // wider than the strip
        QCOMPARE(LoadImageListScaled(strip, 10, 0, 96).count(), 3); // a partial image is dropped
        QCOMPARE(bitmapDpi(3780), 96);
        QCOMPARE(bitmapDpi(0), 96);
    }

    // Expected values by hand from Wu's algorithm; 128 is half coverage of black over white.
    void wuLinePixels_data() {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<int>>("greys");
        QTest::newRow("horizontal")
            << QPointF(2, 5) << QPointF(6, 5)
            << QList<QPoint>{{1, 5}, {2, 5}, {3, 5}, {5, 5}, {6, 5}, {7, 5}, {3, 4}, {3, 6}}
            << QList<int>{255, 128, 0, 0, 128, 255, 255, 255};
        QTest::newRow("45 degrees")
            << QPointF(1, 1) << QPointF(5, 5)
            << QList<QPoint>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {3, 4}, {4, 3}}
            << QList<int>{128, 0, 0, 0, 128, 255, 255};
        QTest::newRow("shallow") << QPointF(0, 0) << QPointF(8, 4)
                                 << QList<QPoint>{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 1}, {2, 2},
                                                  {3, 1}, {3, 2}, {4, 2}, {7, 3}, {7, 4}, {8, 4}}
                                 << QList<int>{128, 255, 128, 128, 0,   255,
                                               128, 128, 0,   128, 128, 128};
        QTest::newRow("steep reversed")
            << QPointF(3, 8) << QPointF(1, 0)
            << QList<QPoint>{{1, 0}, {1, 1}, {2, 1}, {1, 2}, {2, 3}, {2, 4}, {3, 8}}
            << QList<int>{128, 64, 191, 128, 64, 0, 128};
    }
    void wuLinePixels() {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<int>, greys);
        QImage img = whiteImage(12, 12);
        drawWuLine(img, a, b, Qt::black);
        for (int i = 0; i < points.size(); ++i)
            QVERIFY2(grey(img, points[i].x(), points[i].y()) == greys[i],
                     qPrintable(QStringLiteral("pixel %1,%2 is %3, want %4")
                                    .arg(points[i].x())
                                    .arg(points[i].y())
                                    .arg(grey(img, points[i].x(), points[i].y()))
                                    .arg(greys[i])));
    }

    void wuLineBlendsOverColour() {
        QImage img(6, 3, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, 200));
        drawWuLine(img, QPointF(1, 1), QPointF(4, 1), QColor(200, 0, 0));
        QCOMPARE(QColor(img.pixel(1, 1)), QColor(100, 0, 100)); // half over blue
        QCOMPARE(QColor(img.pixel(2, 1)), QColor(200, 0, 0));
    }

    void wuLineOffImageIsSafe() {
        QImage img = whiteImage(4, 4);
        drawWuLine(img, QPointF(-10, -3), QPointF(20, 9), Qt::black);
        QVERIFY(!inkBox(img).isEmpty());
    }
};

QTEST_MAIN(GdiTest)
#include "GdiTest.moc"
