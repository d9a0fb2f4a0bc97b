// The digital clock's pictures: the digits 0 to 9 as seven segments, and the separator.
#pragma once

#include <QImage>
#include <QRectF>
#include <array>

namespace velmora::art {

// Segments a (top), b (upper right), c (lower right), d (bottom), e (lower left), f (upper left),
// g (middle), as bit 0 to bit 6.
enum Segment { SegA, SegB, SegC, SegD, SegE, SegF, SegG, kSegmentCount };

// Rule: the standard seven-segment shapes of the ten digits (bit n set = segment n lit).
inline constexpr std::array<unsigned, 10> kDigitSegments{
    0b0111111, // 0: a b c d e f
    0b0000110, // 1: b c
    0b1011011, // 2: a b d e g
    0b1001111, // 3: a b c d g
    0b1100110, // 4: b c f g
    0b1101101, // 5: a c d f g
    0b1111101, // 6: a c d e f g
    0b0000111, // 7: a b c
    0b1111111, // 8: all seven
    0b1101111, // 9: a b c d f g
};

// A segment's bar in the 44 × 60 picture (22 × 30 units at 192 dpi).
QRectF segmentRect(Segment s);

QImage digitPicture(int digit); // vlh_0 … vlh_9: lit segments bright, the others faint
QImage separatorPicture();      // vlh_s: 20 × 60, two dots

} // namespace velmora::art
