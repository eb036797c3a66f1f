/* QVLuaRuntime: the host's Lua 5.1 runtime (stand-in).
 *
 * The DLL exports the Lua 5.1 C API (lua.h, lauxlib.h, lualib.h) and the
 * functions below. The first block is what an extension such as Sysreach
 * relies on (WINAPI, imported by their decorated names in the 32-bit build);
 * the second block is for the host program and the tests. */
#ifndef QVLRT_H
#define QVLRT_H

#include <windows.h>
#include <wchar.h>

#ifdef __cplusplus
extern "C" {
#endif

#include "lua.h"

#ifdef QVLRT_BUILDING
#define QVLRT_API __declspec(dllexport)
#else
#define QVLRT_API __declspec(dllimport)
#endif

/* The 32-bit runtime exports the WINAPI functions through a .def file, under
 * MSVC's decorated names, so they carry no dllexport there. */
#if defined(QVLRT_BUILDING) && defined(QVLRT_DEF_EXPORTS)
#define QVLRT_WINAPI_API
#else
#define QVLRT_WINAPI_API QVLRT_API
#endif

/* An environment: one Lua state with its global objects. */
typedef struct QVLRT_EnvTag* QVLRT_ENV;

/* Returns the object behind a script object; the argument is unused. */
typedef void* (WINAPI* QVLRT_FACTORY)(void* unused);

/* One row of a method table; a row of three zero words ends the table. */
typedef struct QVLRT_METHOD {
    const char* name;
    lua_CFunction function;
    void* reserved; /* 0 */
} QVLRT_METHOD;

/* Six pointer-sized words, passed by value. */
typedef struct QVLRT_REGISTRATION {
    QVLRT_FACTORY factory;
    void* reserved1; /* 0 */
    const char* objectName; /* dotted: "A.B.Name" */
    const char* className;
    const QVLRT_METHOD* methods;
    void* reserved2; /* 0 */
} QVLRT_REGISTRATION;

/* Result codes of QVLRT_RegisterGlobalObj. */
enum {
    QVLRT_OK = 0,
    QVLRT_E_NOENV = 1,     /* the handle is not a live environment */
    QVLRT_E_BADRECORD = 2, /* null factory, name, class or method table */
    QVLRT_E_NAME = 4       /* a part of the dotted name is taken by a non-table */
};

/* `which` null: the default environment, which may be none (null).
 * `which` an environment handle: that environment. Each non-null result
 * counts a reference that QVLRT_ReleaseEnv gives back. */
QVLRT_WINAPI_API QVLRT_ENV WINAPI QVLRT_GetEnv(void* which);
QVLRT_WINAPI_API int WINAPI QVLRT_ReleaseEnv(QVLRT_ENV env);

/* Makes `objectName` reachable from scripts through nested tables. The
 * factory runs when a script first reads the object; the script object is a
 * userdata whose first pointer-sized word is the factory's result and whose
 * metatable is luaL_newmetatable(className) with the methods under __index. */
QVLRT_WINAPI_API int WINAPI QVLRT_RegisterGlobalObj(QVLRT_ENV env, QVLRT_REGISTRATION record);

/* Protected call of the function below `nargs` arguments, with a traceback.
 * 0: ran, `nresults` results on top. Otherwise the error value is on top
 * and the error is reported on stderr under `label`. */
QVLRT_WINAPI_API int WINAPI QVLRT_LuaCall(lua_State* L, int nargs, int nresults, const wchar_t* label);

/* ---- host side ---- */

/* A new environment: a Lua state with the standard libraries open. */
QVLRT_API QVLRT_ENV __cdecl QVLRT_CreateEnv(void);
QVLRT_API void __cdecl QVLRT_DestroyEnv(QVLRT_ENV env);
/* What QVLRT_GetEnv(NULL) returns; null for none. */
QVLRT_API void __cdecl QVLRT_SetDefaultEnv(QVLRT_ENV env);
QVLRT_API lua_State* __cdecl QVLRT_GetState(QVLRT_ENV env);
/* The environment whose state (or a thread of it) is L; null if none. */
QVLRT_API QVLRT_ENV __cdecl QVLRT_EnvFromState(lua_State* L);

/* Counters of the extension-facing calls since the process started. */
typedef struct QVLRT_STATS {
    long getEnvCalls;
    long releaseEnvCalls;
    long registerCalls;
    long factoryCalls;
    long luaCalls;
} QVLRT_STATS;
QVLRT_API void __cdecl QVLRT_GetStats(QVLRT_STATS* out);

/* Makes every later registration of `objectName` into `env` return `code`
 * without registering (code QVLRT_OK restores normal behaviour). */
QVLRT_API void __cdecl QVLRT_SetRegistrationResult(QVLRT_ENV env, const char* objectName, int code);

/* The text of the last error that QVLRT_LuaCall reported ("" if none). */
QVLRT_API const char* __cdecl QVLRT_LastCallError(void);

/* Loads and runs a chunk (`chunkName` as for luaL_loadbuffer) with a
 * traceback on error. 0 on success; otherwise the error with its traceback
 * is left in QVLRT_LastCallError. */
QVLRT_API int __cdecl QVLRT_RunString(QVLRT_ENV env, const char* chunk, size_t length, const char* chunkName);

#ifdef __cplusplus
}
#endif

#endif
