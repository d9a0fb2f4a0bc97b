// Encoding, decoding, reading and searching the hexagram records.
#include "suite/fengshui/HexagramRecord.h"

#include "suite/fengshui/Hexagram.h"
#include "suite/fengshui/RecordBytes.h"

namespace velmora::fengshui {

HexagramRecordBytes encodeHexagramRecord(const HexagramRecord& record) {
    HexagramRecordBytes out{};
    putText(out, kPatternOffset, kPatternWidth, record.pattern);
    putText(out, kHexagramNameOffset, kHexagramNameWidth, record.name);
    putText(out, kOverviewOffset, kOverviewWidth, record.overview);
    putText(out, kByMatterOffset, kByMatterWidth, record.byMatter);
    putText(out, kByLineOffset, kByLineWidth, record.byLine);
    return out;
}

HexagramRecord decodeHexagramRecord(std::span<const std::uint8_t> bytes) {
    return HexagramRecord{getText(bytes, kPatternOffset, kPatternWidth),
                          getText(bytes, kHexagramNameOffset, kHexagramNameWidth),
                          getText(bytes, kOverviewOffset, kOverviewWidth),
                          getText(bytes, kByMatterOffset, kByMatterWidth),
                          getText(bytes, kByLineOffset, kByLineWidth)};
}

const std::u16string& interpretationText(const HexagramRecord& record, Interpretation kind) {
    switch (kind) {
    case Interpretation::Overview:
        return record.overview;
    case Interpretation::ByLine:
        return record.byLine;
    case Interpretation::ByMatter:
        break;
    }
    return record.byMatter;
}

std::optional<std::vector<HexagramRecord>> readHexagramFile(const std::filesystem::path& path) {
    return readRecordFile<HexagramRecord, kHexagramRecordSize>(path, kHexagramCount,
                                                               decodeHexagramRecord);
}

bool writeHexagramFile(const std::filesystem::path& path,
                       const std::vector<HexagramRecord>& records) {
    return writeRecordFile<HexagramRecord, kHexagramRecordSize>(path, records,
                                                                encodeHexagramRecord);
}

const HexagramRecord* findByPattern(const std::vector<HexagramRecord>& records,
                                    std::u16string_view lines) {
    if (lines.empty()) return nullptr; // a button showing its caption holds no hexagram
    const std::u16string pattern = normalizePattern(lines);
    for (const HexagramRecord& record : records)
        if (record.pattern == pattern) return &record;
    return nullptr;
}

const HexagramRecord* findByName(const std::vector<HexagramRecord>& records,
                                 std::u16string_view name) {
    if (name.empty()) return nullptr;
    for (const HexagramRecord& record : records)
        if (record.name == name) return &record;
    return nullptr;
}

} // namespace velmora::fengshui
