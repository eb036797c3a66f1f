// A script function held by a registry reference, to be called later
// through the runtime's protected call.
#pragma once

#include <windows.h>

extern "C" {
#include "lua.h"
}

class CLuaEvent {
public:
    CLuaEvent() = default;
    CLuaEvent(const CLuaEvent&) = delete;
    CLuaEvent& operator=(const CLuaEvent&) = delete;

    // Takes a reference to the function at `index` (always -1) and removes
    // the top value. E_FAIL, with the stack untouched, for a non-function.
    HRESULT Bind(lua_State* state, int index);
    // Frees the registry slot; an unbound event stays as it is. Returns 0.
    int Unbind();
    // Pushes the function. Returns 0.
    int Push();
    // Calls the function below `argumentCount` arguments. 0 when it ran,
    // 1 when it failed (the error value is then on top of the stack).
    int Call(int argumentCount, int resultCount);

    bool IsBound() const { return reference_ != 0; }
    lua_State* State() const { return state_; }

private:
    lua_State* state_ = nullptr;
    int reference_ = 0;
};
