// The two carpenter's rulers for auspicious dimensions: where a length falls on each, and the marks
// drawn along a 70-mm stretch of scale.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::fengshui {

struct LoBanRuler {
    std::u16string_view title;                     // as the ruler list shows it
    double length;                                 // mm
    int subsections;                               // 4 per section
    std::span<const std::u16string_view> sections; // "+" auspicious, "-" not
    std::span<const std::u16string_view> subsectionNames;

    double subsectionLength() const { return length / subsections; }
};

// The 429.3-mm ruler of 8 sections and the 387.5-mm ruler of 10 sections.
const LoBanRuler& eightSectionRuler();
const LoBanRuler& tenSectionRuler();

// Name slots on the device: a section name in 7 wide characters, a subsection name in 12.
inline constexpr std::size_t kSectionNameWidth = 7;
inline constexpr std::size_t kSubsectionNameWidth = 12;

// The length field holds up to 10 characters.
inline constexpr int kLengthFieldLimit = 10;

// The stretch of scale shown, in mm.
inline constexpr int kScaleSpan = 70;

// The typed length in mm, read the way atof reads a number (leading blanks, sign, digits, point,
// exponent; anything else ends it) but with "." whatever the locale. Text that is not a number
// reads as 0, and so does a length no ruler can show: negative, infinite, not a number, or above
// kLongestLength.
double parseLength(std::u16string_view text);
inline constexpr double kLongestLength = 1e10;

// The top of the scale: the length rounded down to 10 mm.
std::int64_t scaleStart(double length);

struct LoBanMark {
    double position;     // mm where the subsection starts
    int subsection;      // 0 .. subsections-1
    int section;         // subsection / 4
    std::u16string text; // "section (subsection)"
    bool auspicious;     // the section name begins with "+"
};

// The subsections whose start lies in [start - before, start + 70): from the one holding the
// length on, wrapping round the ruler. `before` is how far above the scale's top (in mm) a mark
// may still start and be drawn.
std::vector<LoBanMark> rulerMarks(const LoBanRuler& ruler, double length, double before);

} // namespace velmora::fengshui
