// CLuaEvent: a script function held by a registry reference.
#include "lua_event.h"
#include "lua_fixture.h"

namespace {

class LuaEventTest : public LuaFixture {
protected:
    // Pushes the global `name` (a function defined by the test).
    void PushGlobal(const char* name) { lua_getglobal(L_, name); }
};

TEST_F(LuaEventTest, BindTakesTheFunctionOnTopAndRemovesIt) {
    Eval("function f() return 'f' end");
    lua_pushinteger(L_, 99);
    PushGlobal("f");
    CLuaEvent event;
    ASSERT_EQ(event.Bind(L_, -1), S_OK);
    EXPECT_EQ(lua_gettop(L_), 1);
    EXPECT_EQ(lua_tointeger(L_, -1), 99);
    EXPECT_TRUE(event.IsBound());
    event.Push();
    EXPECT_EQ(lua_tocfunction(L_, -1), nullptr);
    PushGlobal("f");
    EXPECT_TRUE(lua_rawequal(L_, -1, -2));
    lua_settop(L_, 0);
    event.Unbind();
}

TEST_F(LuaEventTest, BindRefusesValuesThatAreNotFunctionsAndLeavesTheStack) {
    const char* values[] = {"return nil", "return 5", "return 'print'", "return {}", "return true"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        luaL_dostring(L_, value);
        const int top = lua_gettop(L_);
        CLuaEvent event;
        EXPECT_EQ(event.Bind(L_, -1), E_FAIL);
        EXPECT_EQ(lua_gettop(L_), top);
        EXPECT_FALSE(event.IsBound());
        lua_settop(L_, 0);
    }
}

// The drop target binds the last argument, then the one before it.
TEST_F(LuaEventTest, RepeatedBindsWalkDownTheArgumentList) {
    Eval("function first() return 1 end function second() return 2 end");
    PushGlobal("first");
    PushGlobal("second");
    CLuaEvent last, beforeLast;
    ASSERT_EQ(last.Bind(L_, -1), S_OK);
    ASSERT_EQ(beforeLast.Bind(L_, -1), S_OK);
    EXPECT_EQ(lua_gettop(L_), 0);
    last.Push();
    ASSERT_EQ(last.Call(0, 1), 0);
    beforeLast.Push();
    ASSERT_EQ(beforeLast.Call(0, 1), 0);
    EXPECT_EQ(lua_tointeger(L_, -2), 2);
    EXPECT_EQ(lua_tointeger(L_, -1), 1);
    lua_settop(L_, 0);
    last.Unbind();
    beforeLast.Unbind();
}

TEST_F(LuaEventTest, UnbindFreesTheRegistrySlot) {
    Eval("function f() end");
    // Make `probe` the registry's next free slot, so the event takes it.
    lua_pushboolean(L_, 1);
    const int probe = luaL_ref(L_, LUA_REGISTRYINDEX);
    luaL_unref(L_, LUA_REGISTRYINDEX, probe);

    PushGlobal("f");
    CLuaEvent event;
    ASSERT_EQ(event.Bind(L_, -1), S_OK);
    lua_rawgeti(L_, LUA_REGISTRYINDEX, probe);
    ASSERT_EQ(lua_type(L_, -1), LUA_TFUNCTION);
    lua_settop(L_, 0);

    event.Unbind();
    EXPECT_FALSE(event.IsBound());
    lua_pushboolean(L_, 1);
    EXPECT_EQ(luaL_ref(L_, LUA_REGISTRYINDEX), probe) << "the function's slot was not freed";

    EXPECT_EQ(event.Unbind(), 0);  // a second Unbind changes nothing
    EXPECT_FALSE(event.IsBound());
}

TEST_F(LuaEventTest, CallPassesArgumentsAndGivesResults) {
    Eval("function add(a, b, c, d) return a + b + c + d end function none() end");
    CLuaEvent add, none;
    PushGlobal("add");
    ASSERT_EQ(add.Bind(L_, -1), S_OK);
    PushGlobal("none");
    ASSERT_EQ(none.Bind(L_, -1), S_OK);

    add.Push();
    for (int i = 1; i <= 4; ++i) lua_pushinteger(L_, i);
    ASSERT_EQ(add.Call(4, 1), 0);
    EXPECT_EQ(lua_gettop(L_), 1);
    EXPECT_EQ(lua_tointeger(L_, -1), 10);
    lua_settop(L_, 0);

    // Missing results are filled with nil, as lua_call does.
    none.Push();
    for (int i = 1; i <= 4; ++i) lua_pushinteger(L_, i);
    ASSERT_EQ(none.Call(4, 1), 0);
    EXPECT_EQ(lua_gettop(L_), 1);
    EXPECT_TRUE(lua_isnil(L_, -1));
    lua_settop(L_, 0);
    add.Unbind();
    none.Unbind();
}

TEST_F(LuaEventTest, FailingCallReturnsOneWithTheErrorOnTop) {
    Eval("function fails() error('drop refused') end");
    CLuaEvent event;
    PushGlobal("fails");
    ASSERT_EQ(event.Bind(L_, -1), S_OK);
    event.Push();
    EXPECT_EQ(event.Call(0, 1), 1);
    ASSERT_EQ(lua_gettop(L_), 1);
    EXPECT_NE(std::string(lua_tostring(L_, -1)).find("drop refused"), std::string::npos);
    lua_settop(L_, 0);
    event.Unbind();
}

TEST_F(LuaEventTest, UnboundEventNeitherPushesNorCalls) {
    CLuaEvent event;
    lua_pushinteger(L_, 1);
    EXPECT_EQ(event.Push(), 0);
    EXPECT_EQ(event.Call(0, 0), 1);
    EXPECT_EQ(lua_gettop(L_), 1);
    lua_settop(L_, 0);
}

}  // namespace
