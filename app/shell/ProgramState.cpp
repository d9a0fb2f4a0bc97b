// What LichVelmora reads at start-up.
#include "app/shell/ProgramState.h"

#include "platform/device/DeviceClock.h"
#include "platform/ipc/RegisteredMessage.h"
#include "platform/registry/RegistryDatabase.h"
#include "suite/personal/PersonalFile.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherStore.h"

namespace velmora::app {

using namespace velmora::personal;

void loadProgramState(ProgramState& state) {
    const PersonalFileRead personal = readPersonalFile();
    state.personal = personal.record;
    const QString personalProblem = personalFileMessage(personal.state);
    if (!personalProblem.isEmpty()) state.startUpProblems << personalProblem;
    // The stored forecast of the city both programs show, for the day page's weather panel.
    if (const std::optional<uint32_t> city = velmora::weather::shownCity())
        velmora::weather::LoadWeatherView(state.weather, *city, velmora::device::localSystemTime());
    // The registry was opened by now (installation, the messages): a damaged one was replaced.
    const QString registryDamage = velmora::registry::lastDamageReport();
    if (!registryDamage.isEmpty()) state.startUpProblems << registryDamage;
    state.reminderChangeMessage =
        velmora::ipc::registerMessage(QStringLiteral("VL_LICHNHAN_CHANGE"));
}

} // namespace velmora::app
