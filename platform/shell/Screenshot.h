// Pictures of the device screen: the frame with the popups and message boxes shown over it.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace velmora::shell {

// The frame as the user sees it: its own pixels, then every visible dialog and popup window that
// overlaps it, each at its place.
QImage grabDeviceScreen(QWidget& frame);

// Writes grabDeviceScreen(frame) as PNG; on failure false with a Vietnamese message in *error.
bool saveScreenshot(QWidget& frame, const QString& path, QString* error = nullptr);

} // namespace velmora::shell
