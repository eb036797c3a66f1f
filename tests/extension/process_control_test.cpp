// PostQuitMessage and GetTickCount in-process; TerminateProcess and the
// host's loop are in script_host_test.cpp.
#include "lua_fixture.h"
#include "registration.h"

namespace {

class ProcessControlTest : public LuaFixture {
protected:
    void SetUp() override {
        LuaFixture::SetUp();
        ASSERT_EQ(RegisterOSShell(env_), QVLRT_OK);
    }
};

TEST_F(ProcessControlTest, PostQuitMessagePostsTheExitCode) {
    struct Case {
        const char* arguments;
        int exitCode;
    };
    const Case cases[] = {{"7", 7}, {"", 0}, {"'7'", 7}, {"'x'", 0}, {"-3", -3}, {"2^32 + 9", 9}, {"nil", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(Eval(std::string("return Qoravel.UIEngine.OSShell:PostQuitMessage(") + c.arguments + ")"), "");
        MSG msg;
        ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(static_cast<int>(msg.wParam), c.exitCode);
    }
}

TEST_F(ProcessControlTest, GetTickCountIsTheSystemTickCount) {
    const unsigned before = ::GetTickCount();
    lua_settop(L_, 0);
    ASSERT_EQ(luaL_dostring(L_, "return Qoravel.UIEngine.OSShell:GetTickCount()"), 0);
    ASSERT_EQ(lua_gettop(L_), 1);
    ASSERT_EQ(lua_type(L_, 1), LUA_TNUMBER);
    const double ticks = lua_tonumber(L_, 1);
    const unsigned after = ::GetTickCount();
    EXPECT_GE(ticks, static_cast<double>(before));
    EXPECT_LE(ticks, static_cast<double>(after));
    lua_settop(L_, 0);
}

}  // namespace
