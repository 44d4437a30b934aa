#pragma once

#include <QString>
#include <functional>

// The Qt platform the sign starts on. Window position and always-on-top need X11, so an X server
// (XWayland in a Wayland session) comes first; a Wayland session without one still gets the sign,
// placed by the compositor. The user's own QT_QPA_PLATFORM always stands.
struct DisplayEnvironment {
    QString userPlatform;                   // QT_QPA_PLATFORM
    QString waylandDisplay;                 // WAYLAND_DISPLAY
    std::function<bool()> xServerReachable; // asked only when it decides
};

// "xcb", "wayland", or empty when the user's choice or Qt's default stands.
QString chooseDisplayPlatform(const DisplayEnvironment& environment);
