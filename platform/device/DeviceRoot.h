// The device root and the mapping between device paths and host paths below it.
#pragma once

#include <QString>
#include <optional>

namespace velmora::device {

// $VELMORA_DEVICE_ROOT, else $XDG_DATA_HOME/velmora/device, else ~/.local/share/velmora/device.
// Absolute and clean; not created.
QString deviceRoot();

// Whether a final component that is a symbolic link may point outside the root. Only the links
// that installation makes to host executables do, and only starting a program follows them.
enum class LinkPolicy { Contained, AllowProgramLink };

// The host path for a device path such as "\My Documents\LichVelmora\userinfo.dat". Each existing
// component is matched case-blind; missing ones keep the caller's spelling. nullopt for relative
// paths, "." or ".." components, empty inner components, NUL characters, and anything that would
// leave the root, including through a symbolic link. Creates the root when it is missing.
std::optional<QString> hostPath(const QString& devicePath,
                                LinkPolicy policy = LinkPolicy::Contained);

// The device path of a host path below the root ("\" for the root itself); nullopt outside it.
std::optional<QString> devicePathOf(const QString& hostFilePath);

} // namespace velmora::device
