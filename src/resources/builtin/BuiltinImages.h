#pragma once

#include <QString>

// The pictures compiled into the program, named by what they show.
enum class BuiltinImage {
    Colon,    // clock colon, 4 x 16
    Caption,  // orange caption, 96 x 16
    Lamp,     // red update lamp, 160 x 16
    Skin,     // default skin, 222 x 65
    TrayIdle, // tray icons, 32 x 32 and their 16 x 16 companions
    TrayIdleSmall,
    TrayUpdating,
    TrayUpdatingSmall,
    TrayInfo,
    TrayInfoSmall,
    App, // application icon, 64 x 64, with 48 and 128 pixel companions
    AppSmall,
    AppLarge,
};

// The resource path of a picture, ready for QImage or QIcon. Asking for any path also makes
// sure the pictures are registered, which a static library cannot arrange by itself.
QString builtinImagePath(BuiltinImage image);

// The resource path of clock digit 0..9 (11 x 16).
QString builtinDigitPath(int digit);
