// Encoding and decoding of the 268-byte star record.
#include "suite/almanac/AlmanacStarRecord.h"

#include "suite/files/LittleEndian.h"
#include "suite/text/Utf.h"

namespace velmora::almanac {
namespace {

constexpr std::size_t kKindOffset = 4;
constexpr std::size_t kValuesOffset = 8;
constexpr std::size_t kEmphasisOffset = 57;
constexpr std::size_t kNameOffset = 68;
constexpr std::size_t kExplanationOffset = 118;

using files::getInt32;
using files::putInt32;

// At most width - 1 units: the zeroed record keeps the terminator.
void putText(StarRecordBytes& out, std::size_t at, std::size_t width, const std::u16string& text) {
    files::putUnits(out, at, width - 1, text);
}

// The text up to its terminator, made safe to show (invalid UTF-16 and control characters).
std::u16string getText(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at,
                       std::size_t width) {
    return velmora::text::cleanText(files::getText(in, at, width));
}

bool textEnds(std::span<const std::uint8_t, kStarRecordSize> in, std::size_t at,
              std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        if (files::getUnit(in, at + 2 * i) == 0) return true;
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
