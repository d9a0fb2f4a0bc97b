// Where LichVelmora's windows find a data file: "<program folder>\Data\<name>" on the device.
#pragma once

#include "platform/device/DeviceRoot.h"

#include <QString>
#include <filesystem>
#include <string_view>

namespace velmora::app {

// The host path of the data file; empty when the device refuses the path, which then reads as a
// missing file.
inline std::filesystem::path programDataFile(const QString& programFolder,
                                             std::u16string_view name) {
    const auto host = device::hostPath(programFolder + QStringLiteral("\\Data\\") +
                                       QString::fromUtf16(name.data(), qsizetype(name.size())));
    return host ? std::filesystem::path(host->toStdU16String()) : std::filesystem::path();
}

} // namespace velmora::app
