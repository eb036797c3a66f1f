// A fresh Lua environment from the runtime stand-in, and a way to evaluate
// Lua text in it and see the results as short descriptions.
#pragma once

#include <string>

#include "gtest/gtest.h"
#include "qvlrt.h"

extern "C" {
#include "lauxlib.h"
#include "lua.h"
}

class LuaFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `chunk` and describes what it returned: values joined by ", " as
    // "number:5", "string:abc", "boolean:true", "nil", "table", "userdata";
    // or "error:<message>" when it raised an error. "" for no values.
    std::string Eval(const std::string& chunk);

    QVLRT_ENV env_ = nullptr;
    lua_State* L_ = nullptr;
};

// The same description of one value on a stack.
std::string DescribeValue(lua_State* L, int index);
