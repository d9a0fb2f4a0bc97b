// Encoding and decoding of the 268-byte star record.
#include "suite/almanac/AlmanacStarRecord.h"

#include "suite/text/Utf.h"

namespace velmora::almanac {
namespace {

constexpr std::size_t kKindOffset = 4;
constexpr std::size_t kValuesOffset = 8;
constexpr std::size_t kEmphasisOffset = 57;
constexpr std::size_t kNameOffset = 68;
constexpr std::size_t kExplanationOffset = 118;

void putInt32(StarRecordBytes& out, std::size_t at, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getInt32(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) u |= std::uint32_t{in[at + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

void putText(StarRecordBytes& out, std::size_t at, std::size_t width, const std::u16string& text) {
    const std::size_t n = std::min(text.size(), width - 1);
    for (std::size_t i = 0; i < n; ++i) {
        out[at + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        out[at + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
}

char16_t unitAt(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at) {
    return static_cast<char16_t>(in[at] | (in[at + 1] << 8));
}

// The text up to its terminator, made safe to show (invalid UTF-16 and control characters).
std::u16string getText(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at,
                       std::size_t width) {
    std::u16string text;
    for (std::size_t i = 0; i < width; ++i) {
        const char16_t c = unitAt(in, at + 2 * i);
        if (c == 0) break;
        text.push_back(c);
    }
    return velmora::text::cleanText(text);
}

bool textEnds(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at,
              std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        if (unitAt(in, at + 2 * i) == 0) return true;
    return false;
}

} // namespace

StarRecordBytes encodeStarRecord(const AlmanacStarRecord& record) {
    StarRecordBytes out{};
    putInt32(out, kKindOffset, record.kind);
    for (std::size_t i = 0; i < record.values.size(); ++i)
        putInt32(out, kValuesOffset + 4 * i, record.values[i]);
    out[kEmphasisOffset] = record.emphasis ? 1 : 0;
    putText(out, kNameOffset, kStarNameWidth, record.name);
    putText(out, kExplanationOffset, kStarExplanationWidth, record.explanation);
    return out;
}

AlmanacStarRecord decodeStarRecord(std::span<const std::uint8_t, kStarRecordSize> bytes) {
    AlmanacStarRecord record;
    record.kind = getInt32(bytes, kKindOffset);
    for (std::size_t i = 0; i < record.values.size(); ++i)
        record.values[i] = getInt32(bytes, kValuesOffset + 4 * i);
    record.emphasis = bytes[kEmphasisOffset] != 0;
    record.name = getText(bytes, kNameOffset, kStarNameWidth);
    record.explanation = getText(bytes, kExplanationOffset, kStarExplanationWidth);
    return record;
}

bool starRecordTextsEnd(std::span<const std::uint8_t, kStarRecordSize> bytes) {
    return textEnds(bytes, kNameOffset, kStarNameWidth) &&
           textEnds(bytes, kExplanationOffset, kStarExplanationWidth);
}

} // namespace velmora::almanac
