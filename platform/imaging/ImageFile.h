// PNG and JPEG pictures read from device paths, cached, and drawn stretched into a rectangle.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace velmora::imaging {

// The decoded picture at a host path, or a null image when the file is missing, empty,
// truncated or not a picture. Results (failures too) are cached by path, size and mtime.
QImage loadHostImage(const QString& hostPath);

// The same for a device path such as "\Program Files\LichVelmora\Images\nen.png".
QImage loadImage(const QString& devicePath);

// Draws the picture stretched to rect; false, drawing nothing, when it cannot be read.
bool drawImageFile(QPainter& painter, const QString& devicePath, const QRect& rect);
bool drawHostImageFile(QPainter& painter, const QString& hostPath, const QRect& rect);

// True when data ends where its format says it must (PNG's IEND chunk, JPEG's EOI marker);
// other formats are left to the decoder.
bool isComplete(const QByteArray& data);

// Forgets every cached picture.
void clearImageCache();

} // namespace velmora::imaging
