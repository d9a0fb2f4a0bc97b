// Pictures from a temporary device root: drawn when whole, refused without a crash otherwise.
#include "platform/imaging/ImageFile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora::imaging;

namespace {

QByteArray encoded(const char* format, QColor colour, QSize size = QSize(40, 30)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage whiteCanvas() {
    QImage canvas(50, 50, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

} // namespace

class ImageFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir root_;

    void write(const QString& name, const QByteArray& bytes) {
        QDir(root_.path()).mkpath(QStringLiteral("Images"));
        QFile file(root_.path() + QStringLiteral("/Images/") + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Moves the file's modification time on, as a later save would.
    void bumpModified(const QString& name) {
        QFile file(root_.path() + QStringLiteral("/Images/") + name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        static int step = 0;
        step += 10;
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(step),
                                 QFileDevice::FileModificationTime));
    }

  private slots:
    void initTestCase() {
        QVERIFY(root_.isValid());
        qputenv("VELMORA_DEVICE_ROOT", root_.path().toUtf8());
    }
    void init() { clearImageCache(); }

    void readable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("drawn");
        const QByteArray png = encoded("PNG", Qt::red);
        const QByteArray jpg = encoded("JPEG", Qt::red);
        QTest::newRow("png") << "good.png" << png << true;
        QTest::newRow("jpeg") << "good.jpg" << jpg << true;
        QTest::newRow("jpeg with padding after the end")
            << "padded.jpg" << jpg + QByteArray(16, '\0') << true;
        QTest::newRow("png named jpg") << "named.jpg" << png << true;
        QTest::newRow("empty") << "empty.png" << QByteArray() << false;
        QTest::newRow("png cut in its data") << "cut.png" << png.left(png.size() / 2) << false;
        QTest::newRow("png without its end chunk") << "noend.png" << png.chopped(12) << false;
        QTest::newRow("jpeg cut in half") << "cut.jpg" << jpg.left(jpg.size() / 2) << false;
        QTest::newRow("jpeg header only") << "head.jpg" << jpg.left(4) << false;
        QTest::newRow("garbage") << "garbage.png" << QByteArray("not a picture at all\x01\x02", 22)
                                 << false;
        QTest::newRow("png signature then garbage")
            << "sig.png" << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(100, 'x') << false;
    }
    void readable() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, drawn);
        write(name, bytes);
        QImage canvas = whiteCanvas();
        QPainter painter(&canvas);
        // Device paths are backslashed and matched case-blind.
        const QString devicePath = QStringLiteral("\\images\\") + name.toUpper();
        QCOMPARE(drawImageFile(painter, devicePath, QRect(10, 10, 20, 10)), drawn);
        painter.end();
        QCOMPARE(loadImage(devicePath).isNull(), !drawn);
        if (drawn) {
            const QColor inside(canvas.pixel(20, 15));
            QVERIFY(inside.red() > 240 && inside.green() < 20 && inside.blue() < 20);
            QCOMPARE(canvas.pixel(9, 15), qRgb(255, 255, 255));
            QCOMPARE(canvas.pixel(30, 15), qRgb(255, 255, 255));
            QCOMPARE(canvas.pixel(20, 20), qRgb(255, 255, 255));
        } else {
            QCOMPARE(canvas, whiteCanvas()); // nothing at all was drawn
        }
    }

    void missingFileAndBadPaths_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << "\\Images\\khong-co.png";
        QTest::newRow("a folder") << "\\Images";
        QTest::newRow("escaping the root") << "\\..\\etc\\passwd";
        QTest::newRow("relative") << "Images\\good.png";
    }
    void missingFileAndBadPaths() {
        QFETCH(QString, path);
        write(QStringLiteral("good.png"), encoded("PNG", Qt::red));
        QImage canvas = whiteCanvas();
        QPainter painter(&canvas);
        QVERIFY(!drawImageFile(painter, path, QRect(0, 0, 50, 50)));
        painter.end();
        QCOMPARE(canvas, whiteCanvas());
    }

    void changedFileIsReadAgain() {
        write(QStringLiteral("swap.png"), encoded("PNG", Qt::red));
        QCOMPARE(QColor(loadImage(QStringLiteral("\\Images\\swap.png")).pixel(0, 0)),
                 QColor(Qt::red));
        write(QStringLiteral("swap.png"), encoded("PNG", Qt::blue, QSize(41, 30)));
        bumpModified(QStringLiteral("swap.png")); // beyond the file system's time resolution
        const QImage again = loadImage(QStringLiteral("\\Images\\swap.png"));
        QCOMPARE(again.width(), 41);
        QCOMPARE(QColor(again.pixel(0, 0)), QColor(Qt::blue));
        // And a file that is then damaged is refused, not served from the cache.
        write(QStringLiteral("swap.png"), QByteArray("broken"));
        bumpModified(QStringLiteral("swap.png"));
        QVERIFY(loadImage(QStringLiteral("\\Images\\swap.png")).isNull());
    }

    void emptyRectangleDrawsNothing() {
        write(QStringLiteral("good.png"), encoded("PNG", Qt::red));
        QImage canvas = whiteCanvas();
        QPainter painter(&canvas);
        QVERIFY(!drawImageFile(painter, QStringLiteral("\\Images\\good.png"), QRect(5, 5, 0, 9)));
    }
};

QTEST_MAIN(ImageFileTest)
#include "ImageFileTest.moc"
