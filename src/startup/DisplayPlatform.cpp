#include "startup/DisplayPlatform.h"

using namespace Qt::StringLiterals;

QString chooseDisplayPlatform(const DisplayEnvironment& environment) {
    if (!environment.userPlatform.isEmpty())
        return {};
    if (environment.xServerReachable && environment.xServerReachable())
        return u"xcb"_s;
    if (!environment.waylandDisplay.isEmpty())
        return u"wayland"_s;
    // Neither: Qt's default tries and says what it could not reach.
    return {};
}
