#pragma once

// True when the X server named by DISPLAY accepts a connection (false when DISPLAY is unset).
bool xServerReachable();
