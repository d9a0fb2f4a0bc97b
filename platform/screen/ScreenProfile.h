// The device screen: its profiles, the chosen one, dpi scaling and orientation.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace velmora::screen {

struct Profile {
    QString name;
    int width;  // pixels
    int height; // pixels
    int dpi;    // what ScaleX/ScaleY and LOGPIXELSX/Y report
};

// qvga, qvga-landscape, square, vga, vga-landscape, in that order.
const std::vector<Profile>& profiles();
// The chosen profile: vga unless VELMORA_SCREEN or select() chose another.
const Profile& current();
// Chooses a profile by name (case-blind); false for an unknown name, current() unchanged.
bool select(const QString& name);
// Consumes "--screen NAME" / "--screen=NAME" from args, falling back to VELMORA_SCREEN; an unknown
// or missing name prints a Vietnamese error and exits with status 2.
void selectFromArguments(QStringList& args);

// The profile name that args (consumed as above) or the environment value ask for; nullopt when
// neither names one. On a bad choice returns nullopt and sets *error to the message for the user.
std::optional<QString> screenChoice(QStringList& args, const QString& environmentValue,
                                    QString* error);

// (v * dpi + 48) / 96 in integer arithmetic: a 96-dpi length at the given dpi.
int scaleWithDpi(int v, int dpi);
int ScaleX(int v);
int ScaleY(int v);
// a * b / d rounded half away from zero, computed in 64 bits; -1 when d is 0 or the result does
// not fit an int, as the device does.
int MulDiv(int a, int b, int d);

enum ScreenOrientation { Landscape = 0, Portrait = 1, Square = 2 };
// Landscape when width > 1.3 height, Portrait when height > 1.3 width, otherwise Square.
ScreenOrientation orientationOf(int width, int height);
ScreenOrientation GetScreenOrientation();

} // namespace velmora::screen
