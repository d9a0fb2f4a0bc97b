// Line symbols, resulting and mutual hexagrams, coin and plum-blossom casting.
#include "suite/fengshui/Hexagram.h"

#include "VelmoraDay.h"

namespace velmora::fengshui {
namespace {

int positiveMod(std::int64_t value, int modulus) {
    return int(((value % modulus) + modulus) % modulus);
}

} // namespace

bool isLineSymbol(char16_t c) {
    return c == u'0' || c == u':' || c == u'1' || c == u'|' || c == u'x' || c == u'o';
}

bool isYang(char16_t c) {
    return c == u'1' || c == u'|' || c == u'o';
}

bool isMoving(char16_t c) {
    return c == u'x' || c == u'o';
}

bool isHexagram(std::u16string_view lines) {
    if (lines.size() != kHexagramLines) return false;
    for (char16_t c : lines)
        if (!isLineSymbol(c)) return false;
    return true;
}

std::u16string normalizePattern(std::u16string_view lines) {
    std::u16string out(lines);
    for (char16_t& c : out) {
        if (c == u'0' || c == u'x')
            c = u':';
        else if (c == u'1' || c == u'o')
            c = u'|';
    }
    return out;
}

std::u16string resultingHexagram(std::u16string_view lines) {
    std::u16string out(lines);
    for (char16_t& c : out) {
        if (c == u'o')
            c = u'0';
        else if (c == u'x')
            c = u'1';
    }
    return out;
}

std::u16string mutualHexagram(std::u16string_view lines) {
    if (!isHexagram(lines)) return {};
    const std::u16string stored = normalizePattern(lines);
    // 1-based lines 2, 3, 4, 3, 4, 5.
    return {stored[1], stored[2], stored[3], stored[2], stored[3], stored[4]};
}

char16_t coinLine(int backs) {
    switch (backs) {
    case 0:
        return u'x';
    case 1:
        return u'|';
    case 2:
        return u':';
    default:
        return u'o';
    }
}

CoinThrow coinThrow(const std::array<std::uint8_t, 3>& bytes) {
    CoinThrow coins;
    for (std::size_t i = 0; i < bytes.size(); ++i) coins.back[i] = (bytes[i] & 1) != 0;
    return coins;
}

PlumMoment plumMoment(const SYSTEMTIME& moment) {
    const LICHVELMORA day = freshDay(moment, kVietnamZone);
    return PlumMoment{day.nNgayAm, day.nThangAm, canChiOf(day.nCanChiNam).chi,
                      canChiOf(day.nCanChiGio).chi};
}

PlumCast castByDate(const PlumMoment& moment) {
    const std::int64_t s1 = std::int64_t(moment.yearBranch) + moment.lunarMonth + moment.lunarDay;
    const std::int64_t s2 = s1 + moment.hourBranch;
    return PlumCast{positiveMod(s1 + 8, 8), positiveMod(s2 + 9, 8), positiveMod(s2 + 7, 6)};
}

PlumCast castByNumber(std::int64_t number, int hourBranch) {
    return PlumCast{positiveMod(number + 7, 8), positiveMod(number + hourBranch + 8, 8),
                    positiveMod(number + hourBranch + 6, 6)};
}

std::u16string castLines(const PlumCast& cast) {
    std::u16string lines(kCastingTrigrams[std::size_t(cast.lower)]);
    lines += kCastingTrigrams[std::size_t(cast.upper)];
    char16_t& moving = lines[std::size_t(cast.movingLine)];
    moving = moving == u'|' ? u'o' : u'x';
    return lines;
}

} // namespace velmora::fengshui
