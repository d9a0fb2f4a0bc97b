// Compiling the sixty-cycle rows into records, each checked against the rules it follows.
#include "tools/fengshui-compile/src/SixtyCycleSource.h"

#include "suite/fengshui/HouseTrigram.h"
#include "suite/text/Utf.h"
#include "tools/fengshui-compile/src/SourceBlocks.h"

#include "VelmoraDay.h"
#include "VelmoraLib.h"

namespace fengshui_compile {
namespace {

using velmora::fengshui::SixtyCycleRecord;

int trigramIndex(std::string_view name) {
    for (int k = 0; k < 8; ++k)
        if (velmora::text::utf8ToUtf16(name) == g_sBatQuai[k]) return k;
    return -1;
}

int elementIndex(std::string_view name) {
    for (std::size_t k = 0; k < kElementNames.size(); ++k)
        if (name == kElementNames[k]) return int(k);
    return -1;
}

} // namespace

SixtyCycleSourceResult compileSixtyCycleSource(std::string_view text, std::string_view fileName) {
    SixtyCycleSourceResult result;
    Diagnostics diagnostics{std::string(fileName), {}};
    for (const SourceLine& line : logicalLines(text, diagnostics)) {
        const int row = int(result.records.size());
        const std::vector<std::string> fields = splitFields(line.text);
        int number = -1;
        if (fields.size() != 5 || !parseInt(fields[0], number)) {
            diagnostics.fail(line.line,
                             "not \"row | can chi | icon | house trigram | element text\"");
            continue;
        }
        if (number != row)
            diagnostics.fail(line.line,
                             "row " + fields[0] + " where " + std::to_string(row) + " is due");
        SixtyCycleRecord record;
        record.cycleIndex = row;
        if (velmora::text::utf8ToUtf16(fields[1]) != velmora::canChiName(row))
            diagnostics.fail(line.line,
                             "\"" + fields[1] + "\" is not the name of " +
                                 std::to_string(velmora::fengshui::kFirstCycleYear + row));
        const HOAGIAP& sound = g_30HoaGiap[(row % 60) / 2];
        record.icon = elementIndex(fields[2]);
        if (record.icon != sound.nHanh)
            diagnostics.fail(line.line, "icon \"" + fields[2] + "\" is not the element of " +
                                            velmora::text::utf16ToUtf8(sound.szTen));
        record.houseTrigram = trigramIndex(fields[3]);
        const int expected =
            velmora::fengshui::ownerTrigram(velmora::fengshui::kFirstCycleYear + row, true);
        if (record.houseTrigram != expected)
            diagnostics.fail(line.line,
                             "house trigram \"" + fields[3] + "\" is not the man's of " +
                                 std::to_string(velmora::fengshui::kFirstCycleYear + row) + " (" +
                                 velmora::text::utf16ToUtf8(g_sBatQuai[expected]) + ")");
        record.elementText = checkedText(fields[4], line.line, diagnostics);
        if (record.elementText.empty()) diagnostics.fail(line.line, "no element text");
        if (!record.elementText.starts_with(sound.szTen))
            diagnostics.fail(line.line, "element text does not begin with the sound's name " +
                                            velmora::text::utf16ToUtf8(sound.szTen));
        checkWidth(record.elementText, velmora::fengshui::kElementTextWidth, "element text",
                   line.line, diagnostics);
        result.records.push_back(std::move(record));
    }
    if (result.records.size() != velmora::fengshui::kSixtyCycleCount)
        diagnostics.fail(1, "the source has " + std::to_string(result.records.size()) +
                                " rows, not 60");
    result.errors = std::move(diagnostics.errors);
    return result;
}

std::string formatSixtyCycleRow(int row, const SixtyCycleRecord& record) {
    const auto element = [&] {
        return record.icon >= 0 && record.icon < int(kElementNames.size())
                   ? std::string(kElementNames[std::size_t(record.icon)])
                   : "?" + std::to_string(record.icon);
    };
    const auto trigram = [&] {
        return record.houseTrigram >= 0 && record.houseTrigram < 8
                   ? velmora::text::utf16ToUtf8(g_sBatQuai[record.houseTrigram])
                   : "?" + std::to_string(record.houseTrigram);
    };
    return std::to_string(row) + " | " +
           velmora::text::utf16ToUtf8(velmora::canChiName(record.cycleIndex)) + " | " + element() +
           " | " + trigram() + " | " + velmora::text::utf16ToUtf8(record.elementText);
}

} // namespace fengshui_compile
