// QVLRT_RegisterGlobalObj: dotted names become nested tables; the object
// itself is made on first read, by calling the record's factory.
#include <cstring>

#include "runtime_internal.h"

namespace {

const char kPendingKey[] = "qvlrt.pending";  // field of a parent's metatable

// __index of a table that holds registered objects: makes a pending object
// on first read and stores it in the table, so the factory runs once.
int MakePendingObject(lua_State* L) {
    // upvalue 1: pending table, name -> { factory = lightuserdata, class = string }
    lua_pushvalue(L, 2);
    lua_rawget(L, lua_upvalueindex(1));
    if (!lua_istable(L, -1)) return 0;
    lua_getfield(L, -1, "factory");
    auto factory = reinterpret_cast<QVLRT_FACTORY>(lua_touserdata(L, -1));
    lua_getfield(L, -2, "class");
    const char* className = lua_tostring(L, -1);

    ++qvlrt::Stats().factoryCalls;
    void* object = factory(nullptr);
    auto* block = static_cast<void**>(lua_newuserdata(L, sizeof(void*)));
    *block = object;
    luaL_getmetatable(L, className);
    lua_setmetatable(L, -2);

    lua_pushvalue(L, 2);
    lua_pushvalue(L, -2);
    lua_rawset(L, 1);
    lua_pushvalue(L, 2);
    lua_pushnil(L);
    lua_rawset(L, lua_upvalueindex(1));
    return 1;
}

// The table `parent` (at the top) gets a pending-object table in its
// metatable, created on first use; leaves the pending table on top.
void PushPendingTable(lua_State* L) {
    if (!lua_getmetatable(L, -1)) {
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setmetatable(L, -3);
    }
    lua_getfield(L, -1, kPendingKey);
    if (!lua_istable(L, -1)) {
        lua_pop(L, 1);
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setfield(L, -3, kPendingKey);
        lua_pushvalue(L, -1);
        lua_pushcclosure(L, MakePendingObject, 1);
        lua_setfield(L, -3, "__index");
    }
    lua_remove(L, -2);
}

// Runs under lua_cpcall, so a Lua error cannot jump over C++ objects.
int RegisterInState(lua_State* L) {
    const auto* record = static_cast<const QVLRT_REGISTRATION*>(lua_touserdata(L, 1));
    int* result = static_cast<int*>(lua_touserdata(L, 2));

    // The class: methods reached through __index of the metatable itself.
    luaL_newmetatable(L, record->className);
    lua_pushvalue(L, -1);
    lua_setfield(L, -2, "__index");
    for (const QVLRT_METHOD* m = record->methods; m->name; ++m) {
        lua_pushcfunction(L, m->function);
        lua_setfield(L, -2, m->name);
    }
    lua_pop(L, 1);

    // Walk "A.B.Name": tables for every part but the last.
    lua_pushvalue(L, LUA_GLOBALSINDEX);
    const char* part = record->objectName;
    const char* dot;
    while ((dot = std::strchr(part, '.')) != nullptr) {
        lua_pushlstring(L, part, static_cast<size_t>(dot - part));
        lua_pushvalue(L, -1);
        lua_rawget(L, -3);
        if (lua_isnil(L, -1)) {
            lua_pop(L, 1);
            lua_newtable(L);
            lua_pushvalue(L, -2);
            lua_pushvalue(L, -2);
            lua_rawset(L, -5);
        } else if (!lua_istable(L, -1)) {
            *result = QVLRT_E_NAME;
            return 0;
        }
        lua_remove(L, -2);  // the key
        lua_remove(L, -2);  // the previous table
        part = dot + 1;
    }

    // A new registration replaces an object already made from an older one.
    lua_pushstring(L, part);
    lua_pushnil(L);
    lua_rawset(L, -3);

    PushPendingTable(L);
    lua_pushstring(L, part);
    lua_createtable(L, 0, 2);
    lua_pushlightuserdata(L, reinterpret_cast<void*>(record->factory));
    lua_setfield(L, -2, "factory");
    lua_pushstring(L, record->className);
    lua_setfield(L, -2, "class");
    lua_rawset(L, -3);
    *result = QVLRT_OK;
    return 0;
}

int CallRegisterInState(lua_State* L) {
    auto** args = static_cast<void**>(lua_touserdata(L, 1));
    lua_settop(L, 0);
    lua_pushlightuserdata(L, args[0]);
    lua_pushlightuserdata(L, args[1]);
    return RegisterInState(L);
}

}  // namespace

extern "C" int WINAPI QVLRT_RegisterGlobalObj(QVLRT_ENV handle, QVLRT_REGISTRATION record) {
    ++qvlrt::Stats().registerCalls;
    QVLRT_EnvTag* env = qvlrt::FindEnv(handle);
    if (!env) return QVLRT_E_NOENV;
    if (!record.factory || !record.objectName || !record.className || !record.methods || !*record.objectName)
        return QVLRT_E_BADRECORD;
    auto forced = env->forcedResults.find(record.objectName);
    if (forced != env->forcedResults.end()) return forced->second;

    int result = QVLRT_E_BADRECORD;
    void* args[2] = {&record, &result};
    if (lua_cpcall(env->L, CallRegisterInState, args) != 0) {
        lua_pop(env->L, 1);
        return QVLRT_E_BADRECORD;
    }
    return result;
}

extern "C" void __cdecl QVLRT_SetRegistrationResult(QVLRT_ENV handle, const char* objectName, int code) {
    QVLRT_EnvTag* env = qvlrt::FindEnv(handle);
    if (!env || !objectName) return;
    if (code == QVLRT_OK)
        env->forcedResults.erase(objectName);
    else
        env->forcedResults[objectName] = code;
}
