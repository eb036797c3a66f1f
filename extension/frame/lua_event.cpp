#include "lua_event.h"

extern "C" {
#include "lauxlib.h"
}
#include "qvlrt.h"

namespace {
const wchar_t kCallLabel[] = L"CLuaEvent::Call";
}

HRESULT CLuaEvent::Bind(lua_State* state, int index) {
    if (lua_type(state, index) != LUA_TFUNCTION) return E_FAIL;
    state_ = state;
    lua_pushvalue(state, index);
    reference_ = luaL_ref(state, LUA_REGISTRYINDEX);
    // With index -1 this drops the function just bound, so repeated binds
    // walk down an argument list from its end.
    lua_settop(state, -2);
    return S_OK;
}

int CLuaEvent::Unbind() {
    if (reference_ != 0) {
        luaL_unref(state_, LUA_REGISTRYINDEX, reference_);
        state_ = nullptr;
        reference_ = 0;
    }
    return 0;
}

int CLuaEvent::Push() {
    // An unbound event has no state to push onto; its owners check IsBound().
    if (reference_ != 0) lua_rawgeti(state_, LUA_REGISTRYINDEX, reference_);
    return 0;
}

int CLuaEvent::Call(int argumentCount, int resultCount) {
    if (reference_ == 0) return 1;
    if (QVLRT_LuaCall(state_, argumentCount, resultCount, kCallLabel) == 0) return 0;
    lua_tolstring(state_, -1, nullptr);
    return 1;
}
