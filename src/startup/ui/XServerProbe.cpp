#include "startup/ui/XServerProbe.h"

#include <xcb/xcb.h>

bool xServerReachable() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}
