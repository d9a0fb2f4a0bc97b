// The biorhythm settings record tagNHIPSINHHOC (72 bytes): which cycles are shown, the menstrual
// strip and its cycle, kept for the whole process and in "\Data\nhipsinhhoc.dat" under the
// program folder.
#pragma once

#include "VelmoraLib.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace velmora::app {

struct tagNHIPSINHHOC {
    uint8_t show[6];        // a cycle's flag byte (kCycleFlagByte), 1 = shown
    uint8_t showStrip;      // 1 = the menstrual strip is shown
    uint8_t reserved7;      // a flag no command reaches; written back unchanged
    uint8_t reserved8[44];  // written back unchanged
    uint32_t averageLength; // average menstrual cycle, days
    SYSTEMTIME lastPeriod;  // first day of the last period; year, month and day are used
};
using BiorhythmSettings = tagNHIPSINHHOC;

inline constexpr int kBiorhythmSettingsSize = 72;
static_assert(std::is_standard_layout_v<BiorhythmSettings> &&
              std::is_trivially_copyable_v<BiorhythmSettings>);
static_assert(sizeof(BiorhythmSettings) == kBiorhythmSettingsSize);
static_assert(offsetof(BiorhythmSettings, showStrip) == 6 &&
              offsetof(BiorhythmSettings, reserved7) == 7 &&
              offsetof(BiorhythmSettings, reserved8) == 8 &&
              offsetof(BiorhythmSettings, averageLength) == 52 &&
              offsetof(BiorhythmSettings, lastPeriod) == 56);

// The settings' file below the program folder.
QString biorhythmSettingsPath(const QString& programFolder);

// Copies up to 72 bytes over the start of the record: a short file changes only what it holds.
void overlaySettings(BiorhythmSettings& settings, std::string_view bytes);
// The 72 stored bytes.
std::array<unsigned char, kBiorhythmSettingsSize> encodeSettings(const BiorhythmSettings& settings);

// What the program ships in the file: the three classic cycles shown, a 28-day average cycle,
// the strip off.
BiorhythmSettings shippedSettings();

// Reads the file over settings. A missing file is created holding the shipped settings, which
// then become the record's; a file that cannot be read (a folder, FIFO or device in its place)
// leaves the record as it was. False in that last case.
bool readBiorhythmSettings(BiorhythmSettings& settings, const QString& programFolder);
// Writes the record over the file's first 72 bytes, keeping any longer tail, beside the old file
// and renamed into place; false, quietly, when it cannot.
bool writeBiorhythmSettings(const BiorhythmSettings& settings, const QString& programFolder);

} // namespace velmora::app
