// The settings record's bytes and file.
#include "app/tools/BiorhythmSettings.h"

#include "suite/files/RegularFile.h"

#include "platform/device/DeviceRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <optional>

namespace velmora::app {

namespace {

std::string localPath(const QString& host) {
    return QFile::encodeName(host).toStdString();
}

// The record's fields in stored order, as little-endian bytes on any host.
void decodeInto(BiorhythmSettings& s, const unsigned char* p) {
    std::memcpy(s.show, p, 6);
    s.showStrip = p[6];
    s.reserved7 = p[7];
    std::memcpy(s.reserved8, p + 8, 44);
    s.averageLength =
        uint32_t(p[52]) | uint32_t(p[53]) << 8 | uint32_t(p[54]) << 16 | uint32_t(p[55]) << 24;
    uint16_t* fields[] = {&s.lastPeriod.wYear,      &s.lastPeriod.wMonth,
                          &s.lastPeriod.wDayOfWeek, &s.lastPeriod.wDay,
                          &s.lastPeriod.wHour,      &s.lastPeriod.wMinute,
                          &s.lastPeriod.wSecond,    &s.lastPeriod.wMilliseconds};
    for (int i = 0; i < 8; ++i) *fields[i] = uint16_t(p[56 + 2 * i] | p[57 + 2 * i] << 8);
}

} // namespace

QString biorhythmSettingsPath(const QString& programFolder) {
    return programFolder + QStringLiteral("\\Data\\nhipsinhhoc.dat");
}

void overlaySettings(BiorhythmSettings& settings, std::string_view bytes) {
    auto stored = encodeSettings(settings);
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), stored.size()), stored.begin());
    decodeInto(settings, stored.data());
}

std::array<unsigned char, kBiorhythmSettingsSize> encodeSettings(const BiorhythmSettings& s) {
    std::array<unsigned char, kBiorhythmSettingsSize> b{};
    std::memcpy(b.data(), s.show, 6);
    b[6] = s.showStrip;
    b[7] = s.reserved7;
    std::memcpy(b.data() + 8, s.reserved8, 44);
    for (int i = 0; i < 4; ++i) b[52 + i] = static_cast<unsigned char>(s.averageLength >> (8 * i));
    const uint16_t fields[] = {s.lastPeriod.wYear,      s.lastPeriod.wMonth,
                               s.lastPeriod.wDayOfWeek, s.lastPeriod.wDay,
                               s.lastPeriod.wHour,      s.lastPeriod.wMinute,
                               s.lastPeriod.wSecond,    s.lastPeriod.wMilliseconds};
    for (int i = 0; i < 8; ++i) {
        b[56 + 2 * i] = static_cast<unsigned char>(fields[i] & 0xFF);
        b[57 + 2 * i] = static_cast<unsigned char>(fields[i] >> 8);
    }
    return b;
}

BiorhythmSettings shippedSettings() {
    BiorhythmSettings s{};
    s.show[0] = s.show[1] = s.show[2] = 1;
    s.averageLength = 28;
    return s;
}

bool readBiorhythmSettings(BiorhythmSettings& settings, const QString& programFolder) {
    const std::optional<QString> host = device::hostPath(biorhythmSettingsPath(programFolder));
    if (!host) return false;
    // Up to 72 bytes over the start of the record: a longer file gives its first 72.
    const files::ReadResult content =
        files::readRegularFile(localPath(*host), kBiorhythmSettingsSize);
    if (content.status == files::ReadStatus::Missing) {
        settings = shippedSettings();
        writeBiorhythmSettings(settings, programFolder);
        return true;
    }
    if (content.status != files::ReadStatus::Ok && content.status != files::ReadStatus::TooLong)
        return false;
    overlaySettings(settings, content.bytes);
    return true;
}

bool writeBiorhythmSettings(const BiorhythmSettings& settings, const QString& programFolder) {
    const std::optional<QString> host = device::hostPath(biorhythmSettingsPath(programFolder));
    if (!host || !QDir().mkpath(QFileInfo(*host).path())) return false;
    // The bytes after the record are kept; anything but a regular file is left alone.
    const files::ReadResult old = files::readRegularFile(localPath(*host), 1 << 20);
    if (old.status != files::ReadStatus::Ok && old.status != files::ReadStatus::Missing)
        return false;
    const auto record = encodeSettings(settings);
    QByteArray bytes(reinterpret_cast<const char*>(record.data()), kBiorhythmSettingsSize);
    if (old.bytes.size() > std::size_t(kBiorhythmSettingsSize))
        bytes.append(old.bytes.data() + kBiorhythmSettingsSize,
                     qsizetype(old.bytes.size() - kBiorhythmSettingsSize));
    QSaveFile file(*host);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

} // namespace velmora::app
