// Writes every picture of the suite into an output folder (Images/ and Resources/).
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::art {

// Draws and writes every picture below `outputDir`; returns the paths written, relative to it.
// Throws std::runtime_error when a folder cannot be made or a file cannot be written.
QStringList writePictures(const QString& outputDir);

} // namespace velmora::art
