// Encoding, decoding and reading the sixty-cycle records, and the texts of a row.
#include "suite/fengshui/SixtyCycleRecord.h"

#include "suite/fengshui/RecordBytes.h"

#include "VelmoraDay.h"
#include "VelmoraLib.h"

namespace velmora::fengshui {

SixtyCycleRecordBytes encodeSixtyCycleRecord(const SixtyCycleRecord& record) {
    SixtyCycleRecordBytes out{};
    putInt32(out, kCycleIndexOffset, record.cycleIndex);
    putInt32(out, kIconOffset, record.icon);
    putInt32(out, kHouseTrigramOffset, record.houseTrigram);
    putText(out, kElementTextOffset, kElementTextWidth, record.elementText);
    return out;
}

SixtyCycleRecord decodeSixtyCycleRecord(std::span<const std::uint8_t> bytes) {
    return SixtyCycleRecord{getInt32(bytes, kCycleIndexOffset), getInt32(bytes, kIconOffset),
                            getInt32(bytes, kHouseTrigramOffset),
                            getText(bytes, kElementTextOffset, kElementTextWidth)};
}

std::optional<std::vector<SixtyCycleRecord>> readSixtyCycleFile(const std::filesystem::path& path) {
    return readRecordFile<SixtyCycleRecord, kSixtyCycleRecordSize>(path, kSixtyCycleCount,
                                                                   decodeSixtyCycleRecord);
}

bool writeSixtyCycleFile(const std::filesystem::path& path,
                         const std::vector<SixtyCycleRecord>& records) {
    return writeRecordFile<SixtyCycleRecord, kSixtyCycleRecordSize>(path, records,
                                                                    encodeSixtyCycleRecord);
}

SixtyCycleRow sixtyCycleRow(int row, const SixtyCycleRecord& record) {
    SixtyCycleRow texts;
    const auto number = [](int n) {
        const std::string digits = std::to_string(n);
        return std::u16string(digits.begin(), digits.end());
    };
    texts.years = number(row + kFirstCycleYear) + u"/" + number(row + kSecondCycleYear);
    // A garbled index or trigram shows nothing rather than a name read from outside the tables.
    if (record.cycleIndex >= 0 && record.cycleIndex < 60)
        texts.canChi = canChiName(record.cycleIndex);
    texts.element = record.elementText;
    if (record.houseTrigram >= 0 && record.houseTrigram < 8)
        texts.trach = g_sBatQuai[record.houseTrigram];
    return texts;
}

} // namespace velmora::fengshui
