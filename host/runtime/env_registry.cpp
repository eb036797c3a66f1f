// Environments: creation, the default one, and the references that the
// extension-facing QVLRT_GetEnv / QVLRT_ReleaseEnv count.
#include <algorithm>
#include <vector>

#include "runtime_internal.h"

namespace {

std::vector<QVLRT_EnvTag*>& Envs() {
    static std::vector<QVLRT_EnvTag*> envs;
    return envs;
}

QVLRT_EnvTag* g_default = nullptr;

}  // namespace

namespace qvlrt {

QVLRT_EnvTag* FindEnv(void* handle) {
    if (!handle) return nullptr;
    auto& envs = Envs();
    auto it = std::find(envs.begin(), envs.end(), static_cast<QVLRT_EnvTag*>(handle));
    return it == envs.end() ? nullptr : *it;
}

QVLRT_STATS& Stats() {
    static QVLRT_STATS stats{};
    return stats;
}

}  // namespace qvlrt

extern "C" {

QVLRT_ENV __cdecl QVLRT_CreateEnv(void) {
    lua_State* L = luaL_newstate();
    if (!L) return nullptr;
    luaL_openlibs(L);
    auto* env = new QVLRT_EnvTag;
    env->L = L;
    Envs().push_back(env);
    return env;
}

void __cdecl QVLRT_DestroyEnv(QVLRT_ENV handle) {
    QVLRT_EnvTag* env = qvlrt::FindEnv(handle);
    if (!env) return;
    auto& envs = Envs();
    envs.erase(std::find(envs.begin(), envs.end(), env));
    if (g_default == env) g_default = nullptr;
    lua_close(env->L);
    delete env;
}

void __cdecl QVLRT_SetDefaultEnv(QVLRT_ENV handle) {
    g_default = qvlrt::FindEnv(handle);
}

lua_State* __cdecl QVLRT_GetState(QVLRT_ENV handle) {
    QVLRT_EnvTag* env = qvlrt::FindEnv(handle);
    return env ? env->L : nullptr;
}

QVLRT_ENV __cdecl QVLRT_EnvFromState(lua_State* L) {
    if (!L) return nullptr;
    // Threads share their main state's registry; compare through it.
    for (QVLRT_EnvTag* env : Envs()) {
        lua_pushvalue(env->L, LUA_REGISTRYINDEX);
        const void* registry = lua_topointer(env->L, -1);
        lua_pop(env->L, 1);
        lua_pushvalue(L, LUA_REGISTRYINDEX);
        const void* other = lua_topointer(L, -1);
        lua_pop(L, 1);
        if (registry == other) return env;
    }
    return nullptr;
}

void __cdecl QVLRT_GetStats(QVLRT_STATS* out) {
    if (out) *out = qvlrt::Stats();
}

QVLRT_ENV WINAPI QVLRT_GetEnv(void* which) {
    ++qvlrt::Stats().getEnvCalls;
    QVLRT_EnvTag* env = which ? qvlrt::FindEnv(which) : g_default;
    if (env) ++env->references;
    return env;
}

int WINAPI QVLRT_ReleaseEnv(QVLRT_ENV handle) {
    ++qvlrt::Stats().releaseEnvCalls;
    QVLRT_EnvTag* env = qvlrt::FindEnv(handle);
    if (!env || env->references <= 0) return QVLRT_E_NOENV;
    --env->references;
    return QVLRT_OK;
}

}  // extern "C"
