// What LichVelmora reads at start-up.
#include "ProgramState.h"

#include "PersonalFile.h"

namespace velmora::app {

void loadProgramState(ProgramState& state) { state.personal = ReadPersonalRecord(); }

} // namespace velmora::app
