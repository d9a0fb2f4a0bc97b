// Every picture the suite ships is written, decodes, and has its size and format.
#include "tools/velmora-art/tests/ImageChecks.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace velmora::art::test;

namespace {

struct Expected {
    QString path;
    QSize size;
    QByteArray format;
};

std::vector<Expected> expectedFiles() {
    std::vector<Expected> files{
        {"Images/L01.jpg", {640, 480}, "jpeg"},     {"Images/P01.jpg", {480, 640}, "jpeg"},
        {"Images/Q01.jpg", {480, 480}, "jpeg"},     {"Resources/bmp131.png", {16, 16}, "png"},
        {"Resources/bmp132.png", {16, 16}, "png"},  {"Resources/bmp133.png", {16, 16}, "png"},
        {"Resources/icon101.png", {64, 64}, "png"}, {"Resources/icon101-32.png", {32, 32}, "png"},
    };
    for (int number = 170; number <= 178; ++number)
        files.push_back({QString("Resources/bmp%1.png").arg(number), {150, 200}, "png"});
    files.push_back({"Resources/bmp179.png", {80, 16}, "png"});
    // The Today item's: frames, clock digits and separator, clock face, default portrait.
    files.push_back({"Images/vlh_f1.png", {240, 156}, "png"});
    files.push_back({"Images/vlh_f2.png", {480, 156}, "png"});
    files.push_back({"Images/vlh_fb.png", {160, 52}, "png"});
    for (int digit = 0; digit <= 9; ++digit)
        files.push_back({QStringLiteral("Images/vlh_%1.png").arg(digit), {44, 60}, "png"});
    files.push_back({"Images/vlh_s.png", {20, 60}, "png"});
    files.push_back({"Images/clock.png", {140, 140}, "png"});
    files.push_back({"Images/mypic.png", {100, 100}, "png"});
    for (int code = 1; code <= 47; ++code) {
        files.push_back({"Images/wl" + twoDigits(code) + ".png", {240, 140}, "png"});
        files.push_back({"Images/wm" + twoDigits(code) + ".png", {48, 48}, "png"});
    }
    return files;
}

TEST(OutputFiles, EveryPictureDecodesWithItsSizeAndFormat) {
    for (const Expected& e : expectedFiles()) {
        QImageReader reader(QStringLiteral(VELMORA_ART_DIR "/") + e.path);
        EXPECT_EQ(reader.format(), e.format) << e.path.toStdString();
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << e.path.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), e.size) << e.path.toStdString();
    }
}

TEST(OutputFiles, NothingElseIsWritten) {
    std::set<QString> expected;
    for (const Expected& e : expectedFiles()) expected.insert(e.path);
    std::set<QString> found;
    for (const char* folder : {"Images", "Resources"}) {
        const QDir dir(QStringLiteral(VELMORA_ART_DIR "/") + QLatin1String(folder));
        for (const QString& name : dir.entryList(QDir::Files)) {
            found.insert(QLatin1String(folder) + "/" + name);
        }
    }
    EXPECT_EQ(found, expected);
}

TEST(OutputFiles, IconsCarryAnAlphaChannel) {
    for (const Expected& e : expectedFiles()) {
        if (!e.path.contains(QLatin1String("/w")) && !e.path.contains(QLatin1String("icon101")))
            continue;
        EXPECT_TRUE(builtImage(e.path).hasAlphaChannel()) << e.path.toStdString();
    }
}

} // namespace
