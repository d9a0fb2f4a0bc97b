// What LichVelmora reads at start-up.
#include "app/shell/ProgramState.h"

#include "platform/device/DeviceClock.h"
#include "platform/ipc/RegisteredMessage.h"
#include "suite/personal/PersonalFile.h"
#include "suite/weather/WeatherLoader.h"
#include "suite/weather/WeatherStore.h"

namespace velmora::app {

using namespace velmora::personal;

void loadProgramState(ProgramState& state) {
    const PersonalFileRead personal = readPersonalFile();
    state.personal = personal.record;
    state.personalFile = personal.state;
    // The stored forecast of the city both programs show, for the day page's weather panel.
    if (const std::optional<uint32_t> city = velmora::weather::shownCity())
        velmora::weather::LoadWeatherView(state.weather, *city, velmora::device::localSystemTime());
    state.reminderChangeMessage =
        velmora::ipc::registerMessage(QStringLiteral("VL_LICHNHAN_CHANGE"));
}

} // namespace velmora::app
