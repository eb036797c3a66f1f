#include "lua_fixture.h"

void LuaFixture::SetUp() {
    env_ = QVLRT_CreateEnv();
    ASSERT_NE(env_, nullptr);
    L_ = QVLRT_GetState(env_);
}

void LuaFixture::TearDown() {
    QVLRT_DestroyEnv(env_);
}

std::string DescribeValue(lua_State* L, int index) {
    switch (lua_type(L, index)) {
        case LUA_TNIL:
            return "nil";
        case LUA_TNUMBER: {
            char text[64];
            snprintf(text, sizeof text, "number:%.17g", lua_tonumber(L, index));
            return text;
        }
        case LUA_TSTRING: {
            size_t length = 0;
            const char* s = lua_tolstring(L, index, &length);
            return "string:" + std::string(s, length);
        }
        case LUA_TBOOLEAN:
            return lua_toboolean(L, index) ? "boolean:true" : "boolean:false";
        default:
            return lua_typename(L, lua_type(L, index));
    }
}

std::string LuaFixture::Eval(const std::string& chunk) {
    const int top = lua_gettop(L_);
    std::string result;
    if (luaL_loadbuffer(L_, chunk.data(), chunk.size(), "=test") != 0 || lua_pcall(L_, 0, LUA_MULTRET, 0) != 0) {
        result = "error:" + std::string(lua_tostring(L_, -1) ? lua_tostring(L_, -1) : "?");
    } else {
        for (int i = top + 1; i <= lua_gettop(L_); ++i) {
            if (!result.empty()) result += ", ";
            result += DescribeValue(L_, i);
        }
    }
    lua_settop(L_, top);
    return result;
}
