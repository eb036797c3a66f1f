// The `qvhost` table that scripts run by the host can use.
#pragma once

#include <windows.h>

extern "C" {
#include "lua.h"
}

namespace qvhost {

// qvhost.hwnd (light userdata), qvhost.hwnd_number (integer),
// qvhost.pump(ms), qvhost.run(), qvhost.show([visible]), qvhost.sleep(ms).
void OpenHostLibrary(lua_State* L, HWND mainWindow);

}  // namespace qvhost
