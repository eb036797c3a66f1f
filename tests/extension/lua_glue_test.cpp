// The argument readers and result pushers that every script method uses,
// driven from Lua through small probe functions.
#include <cstdint>
#include <string>

#include "lua_fixture.h"
#include "lua_glue.h"

namespace {

// Each probe reads argument 1 with one reader and pushes what it read.
int ProbeString(lua_State* L) {
    const char* text = glue::ReadString(L, 1);
    lua_pushstring(L, text);
    return 1;
}
int ProbeStringLength(lua_State* L) {
    size_t length = 0;
    const char* text = glue::ReadString(L, 1, &length);
    lua_pushlstring(L, text, length);
    lua_pushinteger(L, static_cast<lua_Integer>(length));
    return 2;
}
int ProbeOptionalAny(lua_State* L) {
    const char* text = glue::ReadOptionalString(L, 1, glue::Presence::kAnyValue);
    return text ? (lua_pushstring(L, text), 1) : (lua_pushliteral(L, "<absent>"), 1);
}
int ProbeOptionalString(lua_State* L) {
    const char* text = glue::ReadOptionalString(L, 1, glue::Presence::kStringOnly);
    return text ? (lua_pushstring(L, text), 1) : (lua_pushliteral(L, "<absent>"), 1);
}
int ProbeInteger(lua_State* L) {
    return glue::PushInteger(L, glue::ReadInteger(L, 1));
}
int ProbeRequiredInteger(lua_State* L) {
    return glue::PushInteger(L, glue::ReadRequiredInteger(L, 1));
}
int ProbeNumber(lua_State* L) {
    return glue::PushNumber(L, glue::ReadNumber(L, 1));
}
int ProbeRequiredNumber(lua_State* L) {
    return glue::PushNumber(L, glue::ReadRequiredNumber(L, 1));
}
int ProbeBoolean(lua_State* L) {
    return glue::PushBoolean(L, glue::ReadBoolean(L, 1));
}
int ProbeWindow(lua_State* L) {
    HWND window = glue::ReadWindowHandle(L, 1);
    return glue::PushNumber(L, static_cast<double>(reinterpret_cast<std::uintptr_t>(window)));
}
int ProbeUnsigned(lua_State* L) {
    return glue::PushUnsigned(L, static_cast<unsigned int>(glue::ReadInteger(L, 1)));
}
int ProbeStringResult(lua_State* L) {
    return glue::PushString(L, std::string("cut\0here", 8));
}
int ProbeList(lua_State* L) {
    return glue::PushList(L, {"C:\\", "D:\\", ""});
}
int ProbeEmptyList(lua_State* L) {
    return glue::PushList(L, {});
}

class LuaGlueTest : public LuaFixture {
protected:
    void SetUp() override {
        LuaFixture::SetUp();
        const luaL_Reg probes[] = {{"readString", ProbeString},
                                   {"readStringLength", ProbeStringLength},
                                   {"readOptionalAny", ProbeOptionalAny},
                                   {"readOptionalString", ProbeOptionalString},
                                   {"readInteger", ProbeInteger},
                                   {"readRequiredInteger", ProbeRequiredInteger},
                                   {"readNumber", ProbeNumber},
                                   {"readRequiredNumber", ProbeRequiredNumber},
                                   {"readBoolean", ProbeBoolean},
                                   {"readWindow", ProbeWindow},
                                   {"pushUnsigned", ProbeUnsigned},
                                   {"pushStringResult", ProbeStringResult},
                                   {"pushList", ProbeList},
                                   {"pushEmptyList", ProbeEmptyList},
                                   {nullptr, nullptr}};
        for (const luaL_Reg* p = probes; p->name; ++p) lua_register(L_, p->name, p->func);
    }
};

struct Case {
    const char* chunk;
    std::string expected;  // for errors: "error:" + the start of the message
};

const Case kCases[] = {
    // string (required): numbers read as their text; zero bytes end it.
    {"return readString('abc')", "string:abc"},
    {"return readString(12)", "string:12"},
    {"return readString('a\\0b')", "string:a"},
    {"return readString()", "error:test:1: bad argument #1 to 'readString' (string expected, got no value)"},
    {"return readString(nil)", "error:test:1: bad argument #1 to 'readString' (string expected, got nil)"},
    {"return readString({})", "error:test:1: bad argument #1 to 'readString' (string expected, got table)"},
    {"return readString(true)", "error:test:1: bad argument #1 to 'readString' (string expected, got boolean)"},
    // string with length: every byte, zeros included.
    {"return readStringLength('a\\0b')", std::string("string:a\0b, number:3", 20)},
    // optional string, any value present.
    {"return readOptionalAny()", "string:<absent>"},
    {"return readOptionalAny(nil)", "string:<absent>"},
    {"return readOptionalAny(5)", "string:5"},
    {"return readOptionalAny('')", "string:"},
    {"return readOptionalAny({})", "error:test:1: bad argument #1 to 'readOptionalAny' (string expected, got table)"},
    // optional string, only strings present.
    {"return readOptionalString(5)", "string:<absent>"},
    {"return readOptionalString({})", "string:<absent>"},
    {"return readOptionalString('s')", "string:s"},
    // integer: 0 for anything that is not a number; 32-bit on every build.
    {"return readInteger(7)", "number:7"},
    {"return readInteger('7')", "number:7"},
    {"return readInteger()", "number:0"},
    {"return readInteger('x')", "number:0"},
    {"return readInteger({})", "number:0"},
    {"return readInteger(true)", "number:0"},
    {"return readInteger(-1)", "number:-1"},
    {"return readInteger(2^31)", "number:-2147483648"},
    {"return readInteger(2^32 + 5)", "number:5"},
    {"return readRequiredInteger('12')", "number:12"},
    {"return readRequiredInteger('x')", "error:test:1: bad argument #1 to 'readRequiredInteger' (number expected, got string)"},
    {"return readRequiredInteger()", "error:test:1: bad argument #1 to 'readRequiredInteger' (number expected, got no value)"},
    // number.
    {"return readNumber(2.5)", "number:2.5"},
    {"return readNumber('1e3')", "number:1000"},
    {"return readNumber(nil)", "number:0"},
    {"return readRequiredNumber(nil)", "error:test:1: bad argument #1 to 'readRequiredNumber' (number expected, got nil)"},
    // boolean: everything but nil and false is true.
    {"return readBoolean()", "boolean:false"},
    {"return readBoolean(false)", "boolean:false"},
    {"return readBoolean(0)", "boolean:true"},
    {"return readBoolean('')", "boolean:true"},
    // window handle: only userdata carries a handle.
    {"return readWindow(12345)", "number:0"},
    {"return readWindow('0x10')", "number:0"},
    {"return readWindow(nil)", "number:0"},
    // unsigned results are never negative.
    {"return pushUnsigned(-1)", "number:4294967295"},
    {"return pushUnsigned(2^31)", "number:2147483648"},
    {"return pushUnsigned(5)", "number:5"},
    // string results end at their first zero byte.
    {"return pushStringResult()", "string:cut"},
    // lists: a table with elements 1..n in order.
    {"local t = pushList() return #t, t[1], t[2], t[3]", "number:3, string:C:\\, string:D:\\, string:"},
    {"local t = pushEmptyList() return type(t), #t", "string:table, number:0"},
};

TEST_F(LuaGlueTest, ReadsAndPushesEveryKind) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.chunk);
        const std::string actual = Eval(c.chunk);
        const std::string& expected = c.expected;
        if (expected.rfind("error:", 0) == 0)
            EXPECT_EQ(actual.substr(0, expected.size()), expected);
        else
            EXPECT_EQ(actual, expected);
    }
}

TEST_F(LuaGlueTest, WindowHandleFromLightAndFullUserdata) {
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10020));
    lua_pushlightuserdata(L_, window);
    lua_setglobal(L_, "light");
    void* block = lua_newuserdata(L_, 16);
    lua_setglobal(L_, "full");
    EXPECT_EQ(Eval("return readWindow(light)"), "number:65568");
    EXPECT_EQ(Eval("return readWindow(full)"),
              "number:" + std::to_string(reinterpret_cast<std::uintptr_t>(block)));
}

}  // namespace
