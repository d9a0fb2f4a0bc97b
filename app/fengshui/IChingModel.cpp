// The I Ching dialog's state changes.
#include "app/fengshui/IChingModel.h"

#include "suite/fengshui/Hexagram.h"

namespace velmora::app {

using namespace fengshui;

namespace {

void show(IChingState& state, const std::vector<HexagramRecord>& records,
          const HexagramRecord& record) {
    state.nameIndex = int(&record - records.data());
    state.pattern = record.pattern;
    state.text = interpretationText(record, state.kind);
}

} // namespace

void formHexagrams(IChingState& state, std::u16string_view entered) {
    state.entry = entered;
    state.primary = entered;
    state.resulting = resultingHexagram(entered);
    state.nameIndex = -1;
    state.pattern.clear();
    state.text.clear();
}

void takeMutualHexagrams(IChingState& state) {
    state.primary = mutualHexagram(state.primary);
    state.resulting = mutualHexagram(state.resulting);
}

bool lookUpPattern(IChingState& state, const std::vector<HexagramRecord>& records,
                   std::u16string_view lines) {
    const HexagramRecord* found = findByPattern(records, lines);
    if (!found) return false;
    show(state, records, *found);
    return true;
}

bool lookUpName(IChingState& state, const std::vector<HexagramRecord>& records,
                std::u16string_view name) {
    const HexagramRecord* found = findByName(records, name);
    if (!found) return false;
    show(state, records, *found);
    state.primary = found->pattern;
    return true;
}

void changeInterpretation(IChingState& state, const std::vector<HexagramRecord>& records,
                          Interpretation kind) {
    state.kind = kind;
    lookUpPattern(state, records, std::u16string(state.pattern));
}

} // namespace velmora::app
