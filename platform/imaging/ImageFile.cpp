// Decoding with completeness checks, the path+mtime cache, and scaled drawing.
#include "platform/imaging/ImageFile.h"

#include "platform/device/DeviceRoot.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace velmora::imaging {

namespace {

struct Entry {
    QDateTime modified;
    qint64 size = -1;
    QImage image;  // null: the file could not be read
    QImage scaled; // the last size it was drawn at
};

constexpr int kMaxEntries = 64;

QHash<QString, Entry>& cache() {
    static QHash<QString, Entry> entries;
    return entries;
}

QImage decode(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    // Qt's decoders fill a truncated JPEG with grey and report success; refuse it here.
    if (data.isEmpty() || !isComplete(data)) return {};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

Entry* entryFor(const QString& hostPath) {
    const QFileInfo info(hostPath);
    if (!info.isFile()) {
        cache().remove(hostPath);
        return nullptr;
    }
    auto it = cache().find(hostPath);
    if (it != cache().end() && it->modified == info.lastModified() && it->size == info.size())
        return &*it;
    if (cache().size() >= kMaxEntries) cache().clear();
    Entry entry{info.lastModified(), info.size(), decode(hostPath), {}};
    return &*cache().insert(hostPath, entry);
}

} // namespace

bool isComplete(const QByteArray& data) {
    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    if (data.startsWith(pngSignature)) {
        // The last chunk is IEND: zero length, type, and its fixed CRC.
        static const QByteArray iend("\0\0\0\0IEND\xae\x42\x60\x82", 12);
        return data.endsWith(iend);
    }
    if (data.startsWith(QByteArray("\xff\xd8", 2))) {
        // Writers sometimes pad after the end marker; padding is zeros or whitespace.
        qsizetype end = data.size();
        while (end > 0 && (data[end - 1] == '\0' || QChar::isSpace(uchar(data[end - 1])))) --end;
        return end >= 4 && uchar(data[end - 2]) == 0xFF && uchar(data[end - 1]) == 0xD9;
    }
    return true;
}

QImage loadHostImage(const QString& hostPath) {
    const Entry* entry = entryFor(hostPath);
    return entry ? entry->image : QImage();
}

QImage loadImage(const QString& devicePath) {
    const auto host = device::hostPath(devicePath);
    return host ? loadHostImage(*host) : QImage();
}

bool drawHostImageFile(QPainter& painter, const QString& hostPath, const QRect& rect) {
    Entry* entry = entryFor(hostPath);
    if (!entry || entry->image.isNull() || rect.isEmpty()) return false;
    // The picture is stretched to the rectangle, as the device's image drawing does.
    if (entry->scaled.size() != rect.size())
        entry->scaled =
            entry->image.scaled(rect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(rect.topLeft(), entry->scaled);
    return true;
}

bool drawImageFile(QPainter& painter, const QString& devicePath, const QRect& rect) {
    const auto host = device::hostPath(devicePath);
    return host && drawHostImageFile(painter, *host, rect);
}

void clearImageCache() {
    cache().clear();
}

} // namespace velmora::imaging
