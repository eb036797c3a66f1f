// qvhost.exe running scripts with Sysreach loaded, as a host would.
#include <string>

#include "gtest/gtest.h"
#include "qvtest/support.h"

namespace {

struct HostCase {
    const char* name;
    const char* script;
    const wchar_t* arguments;
    long exitCode;
    const char* expected;  // must appear in the output ("" for no check)
    const char* absent;    // must not appear ("" for no check)
};

const HostCase kCases[] = {
    {"arguments", "print('args', #arg, arg[1], arg[2], arg[0] ~= nil)", L"one \"two words\"", 0,
     "args\t2\tone\ttwo words\ttrue", ""},
    {"main window", "print('window', type(qvhost.hwnd), qvhost.hwnd_number > 0)", L"", 0,
     "window\tuserdata\ttrue", ""},
    {"error with traceback", "local function inner() error('boom') end inner()", L"", 1, "stack traceback", ""},
    {"terminate with code", "Qoravel.UIEngine.OSShell:TerminateProcess(42) print('after')", L"", 42, "", "after"},
    {"terminate without code", "Qoravel.UIEngine.OSShell:TerminateProcess() print('after')", L"", 0, "", "after"},
    {"quit message ends the loop",
     "Qoravel.UIEngine.OSShell:PostQuitMessage(5) print('loop ended with', qvhost.run())", L"", 0,
     "loop ended with\t5", ""},
};

class ScriptHostTest : public ::testing::TestWithParam<HostCase> {};

TEST_P(ScriptHostTest, RunsTheScript) {
    const HostCase& c = GetParam();
    qvtest::TempDir dir;
    const std::wstring script = dir / L"script.lua";
    ASSERT_TRUE(qvtest::WriteTextFile(script, c.script));
    std::string output;
    const long code = qvtest::RunProcessWithOutput(
        L"\"" + qvtest::BinPath(L"qvhost.exe") + L"\" \"" + script + L"\" " + c.arguments, &output);
    EXPECT_EQ(code, c.exitCode) << output;
    if (*c.expected) {
        EXPECT_NE(output.find(c.expected), std::string::npos) << output;
    }
    if (*c.absent) {
        EXPECT_EQ(output.find(c.absent), std::string::npos) << output;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptHostTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

TEST(ScriptHost, MissingScriptFails) {
    std::string output;
    EXPECT_EQ(qvtest::RunProcessWithOutput(L"\"" + qvtest::BinPath(L"qvhost.exe") + L"\" Z:\\no\\such\\script.lua", &output),
              1);
    EXPECT_NE(output.find("cannot read"), std::string::npos) << output;
}

}  // namespace
