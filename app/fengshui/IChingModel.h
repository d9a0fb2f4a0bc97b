// The "Giải quẻ dịch" dialog's rules without its widgets: what the fields and the two hexagram
// buttons hold, and what entering, looking up and the mutual hexagram change.
#pragma once

#include "suite/fengshui/HexagramRecord.h"

#include <string>
#include <vector>

namespace velmora::app {

struct IChingState {
    std::u16string entry;   // the entry field
    std::u16string pattern; // the field showing the looked-up pattern
    int nameIndex = -1;     // the name list's selection, -1 for none
    fengshui::Interpretation kind = fengshui::Interpretation::ByMatter;
    std::u16string primary;   // "Quẻ Khai": the text of its button
    std::u16string resulting; // "Quẻ Kết"
    std::u16string text;      // the text area
};

// "Xem quẻ" or a cast: the primary is the entry as it stands, the resulting hexagram has its
// moving lines changed; name, pattern and text are cleared.
void formHexagrams(IChingState& state, std::u16string_view entered);

// "Xem quẻ hỗ": each button's mutual hexagram; a button without six symbols becomes empty.
void takeMutualHexagrams(IChingState& state);

// A look-up by pattern (a button, or the pattern field again after the kind changed): on a
// match the name list, the pattern field and the text show the record; otherwise nothing
// changes. True on a match.
bool lookUpPattern(IChingState& state, const std::vector<fengshui::HexagramRecord>& records,
                   std::u16string_view lines);

// A look-up by name also puts the pattern on the primary button.
bool lookUpName(IChingState& state, const std::vector<fengshui::HexagramRecord>& records,
                std::u16string_view name);

// The interpretation kind changed: the pattern field is looked up again.
void changeInterpretation(IChingState& state, const std::vector<fengshui::HexagramRecord>& records,
                          fengshui::Interpretation kind);

} // namespace velmora::app
