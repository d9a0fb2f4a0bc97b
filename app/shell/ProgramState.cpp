// What LichVelmora reads at start-up.
#include "app/shell/ProgramState.h"

#include "suite/personal/PersonalFile.h"

namespace velmora::app {

void loadProgramState(ProgramState& state) {
    state.personal = readPersonalRecord();
}

} // namespace velmora::app
