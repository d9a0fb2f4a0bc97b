// Encoding, decoding, reading and searching the nine-star records.
#include "suite/fengshui/NineStarRecord.h"

#include "suite/fengshui/RecordBytes.h"

namespace velmora::fengshui {

NineStarRecordBytes encodeNineStarRecord(const NineStarRecord& record) {
    NineStarRecordBytes out{};
    putInt32(out, kPictureOffset, record.picture);
    putInt32(out, kManKeyOffset, record.manKey);
    putInt32(out, kWomanKeyOffset, record.womanKey);
    putText(out, kStarNameOffset, kStarNameWidth, record.name);
    putText(out, kReadingOffset, kReadingWidth, record.reading);
    return out;
}

NineStarRecord decodeNineStarRecord(std::span<const std::uint8_t> bytes) {
    return NineStarRecord{getInt32(bytes, kPictureOffset), getInt32(bytes, kManKeyOffset),
                          getInt32(bytes, kWomanKeyOffset),
                          getText(bytes, kStarNameOffset, kStarNameWidth),
                          getText(bytes, kReadingOffset, kReadingWidth)};
}

std::optional<std::vector<NineStarRecord>> readNineStarFile(const std::filesystem::path& path) {
    return readRecordFile<NineStarRecord, kNineStarRecordSize>(path, kNineStarCount,
                                                               decodeNineStarRecord);
}

bool writeNineStarFile(const std::filesystem::path& path,
                       const std::vector<NineStarRecord>& records) {
    return writeRecordFile<NineStarRecord, kNineStarRecordSize>(path, records,
                                                                encodeNineStarRecord);
}

const NineStarRecord* findNineStar(const std::vector<NineStarRecord>& records, int key, bool male) {
    for (const NineStarRecord& record : records)
        if ((male ? record.manKey : record.womanKey) == key) return &record;
    return nullptr;
}

} // namespace velmora::fengshui
