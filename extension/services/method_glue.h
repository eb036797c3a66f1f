// The glue functions of the OSShell script methods, one per method, each
// defined beside the operations of its family. The method table lists them.
#pragma once

extern "C" {
#include "lua.h"
}

namespace methods {

// Process control.
int PostQuitMessage(lua_State* L);
int TerminateProcess(lua_State* L);
int GetTickCount(lua_State* L);

// Methods whose family is not built yet: the object check, then no results.
int NotYetBuilt(lua_State* L);
// The same for IsNamedEventExist, which takes no object.
int NotYetBuiltWithoutObject(lua_State* L);

}  // namespace methods
