#include "host_library.h"

#include <cstdint>

#include "host_window.h"

extern "C" {
#include "lauxlib.h"
}

namespace qvhost {

namespace {

HWND g_mainWindow = nullptr;

// Pushes false, or true and the exit code when WM_QUIT arrived.
int PushPumpResult(lua_State* L, bool quit, int exitCode) {
    lua_pushboolean(L, quit);
    if (!quit) return 1;
    lua_pushinteger(L, exitCode);
    return 2;
}

// qvhost.pump(ms): run the message loop for ms milliseconds.
int Pump(lua_State* L) {
    const int milliseconds = static_cast<int>(luaL_checkinteger(L, 1));
    int exitCode = 0;
    const bool quit = PumpMessages(milliseconds < 0 ? 0 : milliseconds, &exitCode);
    return PushPumpResult(L, quit, exitCode);
}

// qvhost.run(): run the message loop until WM_QUIT; returns the exit code.
int Run(lua_State* L) {
    int exitCode = 0;
    PumpMessages(-1, &exitCode);
    lua_pushinteger(L, exitCode);
    return 1;
}

// qvhost.show([visible]): show (default) or hide the main window.
int Show(lua_State* L) {
    const bool visible = lua_isnoneornil(L, 1) || lua_toboolean(L, 1);
    ::ShowWindow(g_mainWindow, visible ? SW_SHOWNORMAL : SW_HIDE);
    if (visible) {
        ::SetForegroundWindow(g_mainWindow);
        ::UpdateWindow(g_mainWindow);
    }
    return 0;
}

int Sleep(lua_State* L) {
    ::Sleep(static_cast<DWORD>(luaL_checkinteger(L, 1)));
    return 0;
}

}  // namespace

void OpenHostLibrary(lua_State* L, HWND mainWindow) {
    g_mainWindow = mainWindow;
    static const luaL_Reg functions[] = {
        {"pump", Pump}, {"run", Run}, {"show", Show}, {"sleep", Sleep}, {nullptr, nullptr}};
    luaL_register(L, "qvhost", functions);
    lua_pushlightuserdata(L, mainWindow);
    lua_setfield(L, -2, "hwnd");
    lua_pushinteger(L, static_cast<lua_Integer>(reinterpret_cast<std::intptr_t>(mainWindow)));
    lua_setfield(L, -2, "hwnd_number");
    lua_pop(L, 1);
}

}  // namespace qvhost
