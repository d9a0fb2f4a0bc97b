// Helpers of the picture tests: loading built files, luminance and contrast ratio by the sRGB rule.
#pragma once

#include <QImage>
#include <QString>
#include <cmath>

namespace velmora::art::test {

inline QImage builtImage(const QString& relative) {
    return QImage(QStringLiteral(VELMORA_ART_DIR "/") + relative);
}

inline QString twoDigits(int code) {
    return QString::number(code).rightJustified(2, QLatin1Char('0'));
}

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
inline double luminance(QRgb c) {
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// Contrast ratio of two colours, 1 to 21, whichever is lighter.
inline double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline bool transparentAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

inline bool cornersTransparent(const QImage& image) {
    const int r = image.width() - 1, b = image.height() - 1;
    return transparentAt(image, 0, 0) && transparentAt(image, r, 0) && transparentAt(image, 0, b) &&
           transparentAt(image, r, b);
}

} // namespace velmora::art::test
