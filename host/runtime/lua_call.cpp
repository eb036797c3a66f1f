// Protected calls with a traceback: QVLRT_LuaCall for extensions, and the
// chunk runners the host program uses.
#include <cstdio>

#include "runtime_internal.h"

namespace {

// Error handler: the message followed by debug.traceback, when available.
int AddTraceback(lua_State* L) {
    if (!lua_isstring(L, 1)) return 1;  // keep non-text error values as they are
    lua_getfield(L, LUA_GLOBALSINDEX, "debug");
    if (!lua_istable(L, -1)) {
        lua_pop(L, 1);
        return 1;
    }
    lua_getfield(L, -1, "traceback");
    if (!lua_isfunction(L, -1)) {
        lua_pop(L, 2);
        return 1;
    }
    lua_pushvalue(L, 1);
    lua_pushinteger(L, 2);
    lua_call(L, 2, 1);
    return 1;
}

void RememberError(lua_State* L) {
    const char* text = lua_tostring(L, -1);
    qvlrt::LastError() = text ? text : "(error value is not a string)";
}

}  // namespace

namespace qvlrt {

std::string& LastError() {
    static std::string text;
    return text;
}

int TracedCall(lua_State* L, int nargs, int nresults) {
    int base = lua_gettop(L) - nargs;
    lua_pushcfunction(L, AddTraceback);
    lua_insert(L, base);
    int status = lua_pcall(L, nargs, nresults, base);
    lua_remove(L, base);
    if (status != 0) RememberError(L);
    return status;
}

}  // namespace qvlrt

extern "C" {

int WINAPI QVLRT_LuaCall(lua_State* L, int nargs, int nresults, const wchar_t* label) {
    ++qvlrt::Stats().luaCalls;
    int status = qvlrt::TracedCall(L, nargs, nresults);
    if (status != 0) {
        std::fprintf(stderr, "%ls: %s\n", label ? label : L"QVLRT_LuaCall", qvlrt::LastError().c_str());
        std::fflush(stderr);
    }
    return status;
}

const char* __cdecl QVLRT_LastCallError(void) {
    return qvlrt::LastError().c_str();
}

int __cdecl QVLRT_RunString(QVLRT_ENV handle, const char* chunk, size_t length, const char* chunkName) {
    lua_State* L = QVLRT_GetState(handle);
    if (!L || !chunk) return -1;
    int top = lua_gettop(L);
    int status = luaL_loadbuffer(L, chunk, length, chunkName ? chunkName : "=chunk");
    if (status != 0)
        RememberError(L);
    else
        status = qvlrt::TracedCall(L, 0, 0);
    lua_settop(L, top);
    return status;
}

}  // extern "C"
