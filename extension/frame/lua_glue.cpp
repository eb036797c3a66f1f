#include "lua_glue.h"

#include <cstdint>

extern "C" {
#include "lauxlib.h"
}

namespace glue {

const char kOSShellClass[] = "Qoravel.UIEngine.OSShell.Class";
const char kDragDropShellClass[] = "Qoravel.UIEngine.DragDropShell.Class";

namespace {

// Wraps a lua_Integer (64-bit on a 64-bit build) the way a 32-bit runtime
// would hold it: the low 32 bits, as a signed value.
int ToInt32(lua_Integer value) {
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

}  // namespace

void* CheckObject(lua_State* L, const char* className) {
    return *static_cast<void**>(luaL_checkudata(L, 1, className));
}

COSShell* CheckOSShell(lua_State* L) {
    return static_cast<COSShell*>(CheckObject(L, kOSShellClass));
}

const char* ReadString(lua_State* L, int n) {
    return luaL_checklstring(L, n, nullptr);
}

const char* ReadString(lua_State* L, int n, size_t* length) {
    return luaL_checklstring(L, n, length);
}

const char* ReadOptionalString(lua_State* L, int n, Presence presence) {
    const int type = lua_type(L, n);
    const bool present = presence == Presence::kStringOnly ? type == LUA_TSTRING : type != LUA_TNONE && type != LUA_TNIL;
    return present ? luaL_checklstring(L, n, nullptr) : nullptr;
}

int ReadInteger(lua_State* L, int n) {
    return ToInt32(lua_tointeger(L, n));
}

int ReadRequiredInteger(lua_State* L, int n) {
    return ToInt32(luaL_checkinteger(L, n));
}

double ReadNumber(lua_State* L, int n) {
    return lua_tonumber(L, n);
}

double ReadRequiredNumber(lua_State* L, int n) {
    return luaL_checknumber(L, n);
}

bool ReadBoolean(lua_State* L, int n) {
    return lua_toboolean(L, n) != 0;
}

HWND ReadWindowHandle(lua_State* L, int n) {
    return static_cast<HWND>(lua_touserdata(L, n));
}

int PushInteger(lua_State* L, int value) {
    lua_pushinteger(L, value);
    return 1;
}

int PushUnsigned(lua_State* L, unsigned int value) {
    lua_pushnumber(L, static_cast<lua_Number>(value));
    return 1;
}

int PushNumber(lua_State* L, double value) {
    lua_pushnumber(L, value);
    return 1;
}

int PushBoolean(lua_State* L, bool value) {
    lua_pushboolean(L, value ? 1 : 0);
    return 1;
}

int PushString(lua_State* L, const std::string& utf8) {
    lua_pushstring(L, utf8.c_str());
    return 1;
}

int PushNil(lua_State* L) {
    lua_pushnil(L);
    return 1;
}

int PushList(lua_State* L, const std::vector<std::string>& items) {
    lua_createtable(L, 0, 0);
    int index = 1;
    for (const std::string& item : items) {
        lua_pushstring(L, item.c_str());
        lua_rawseti(L, -2, index++);
    }
    return 1;
}

}  // namespace glue
