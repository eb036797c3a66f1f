// Shared state of the runtime stand-in: its environments and counters.
#pragma once

#include <map>
#include <string>

extern "C" {
#include "lauxlib.h"
#include "lua.h"
#include "lualib.h"
}
#include "qvlrt.h"

struct QVLRT_EnvTag {
    lua_State* L = nullptr;
    long references = 0;
    std::map<std::string, int> forcedResults;  // object name -> result
};

namespace qvlrt {

// The environment behind a handle, or null if the handle is not a live one.
QVLRT_EnvTag* FindEnv(void* handle);

QVLRT_STATS& Stats();

// lua_pcall with a traceback handler below the function. On failure the
// error text (with traceback) stays on top of the stack and in LastError().
int TracedCall(lua_State* L, int nargs, int nresults);
std::string& LastError();

}  // namespace qvlrt
