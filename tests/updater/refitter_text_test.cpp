// The pure text rules of Refitter: the decimal conversion of its arguments,
// the checks made before anything runs, the hand-over's parameters and the
// paths it may clear.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <climits>

#include "command_line.h"
#include "folder_path.h"
#include "qv/owners.h"

namespace refitter {
namespace {

TEST(RefitterText, DecimalConversion) {
    struct Row {
        const wchar_t* text;
        int value;
    };
    const Row rows[] = {
        {L"16", 16},
        {L"21", 21},
        {L"0", 0},
        {L"", 0},
        {L"abc", 0},
        {L"-", 0},
        {L"+", 0},
        {L"+21", 21},
        {L"-5", -5},
        {L"  \t\r\n\v\f42", 42},  // leading white space skipped
        {L"12abc", 12},           // digits up to the first other character
        {L"1 2", 1},
        {L"- 5", 0},   // no space between sign and digits
        {L"0x10", 0},  // decimal only
        {L"0017", 17},
        {L"\uFF11\uFF12", 0},  // full-width digits are not digits
        {L"2147483647", INT_MAX},
        {L"2147483648", INT_MAX},  // saturates instead of wrapping
        {L"99999999999999999999", INT_MAX},
        {L"-2147483648", INT_MIN},
        {L"-2147483649", INT_MIN},
        {L"-99999999999999999999", INT_MIN},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecimalToInt(row.text), row.value) << "text: \"" << testing::PrintToString(std::wstring(row.text));
    }
}

TEST(RefitterText, RunRequestChecks) {
    struct Row {
        std::vector<std::wstring> args;
        bool accepted;
        int mode, pid;
    };
    const Row rows[] = {
        {{L"R.exe", L"16", L"1234", L"C:\\u\\update.ini"}, true, 16, 1234},
        {{L"R.exe", L"21", L"8", L"C:\\u\\update.ini", L"extra", L"more"}, true, 21, 8},  // later ones ignored
        {{L"R.exe", L"5", L"-7", L"x"}, true, 5, -7},  // any mode above 0, any id but 0
        {{L"R.exe", L"16", L"1234"}, false, 0, 0},     // only two arguments
        {{L"R.exe"}, false, 0, 0},
        {{}, false, 0, 0},
        {{L"R.exe", L"abc", L"1234", L"C:\\u.ini"}, false, 0, 0},
        {{L"R.exe", L"0", L"1234", L"C:\\u.ini"}, false, 0, 0},
        {{L"R.exe", L"-16", L"1234", L"C:\\u.ini"}, false, 0, 0},
        {{L"R.exe", L"21", L"abc", L"C:\\u.ini"}, false, 0, 0},
        {{L"R.exe", L"21", L"0", L"C:\\u.ini"}, false, 0, 0},
        {{L"R.exe", L"21", L"1234", L""}, false, 0, 0},
    };
    for (const Row& row : rows) {
        RunRequest request;
        request.mode = -99;
        const bool accepted = ReadRunRequest(row.args, &request);
        EXPECT_EQ(accepted, row.accepted) << testing::PrintToString(row.args);
        if (accepted) {
            EXPECT_EQ(request.mode, row.mode);
            EXPECT_EQ(request.targetProcessId, row.pid);
            EXPECT_EQ(request.scriptPath, row.args[3]);
        } else {
            EXPECT_EQ(request.mode, -99) << "a refused request leaves the output alone";
        }
    }
}

// Splits a command line as Refitter's copy will.
std::vector<std::wstring> Split(const std::wstring& commandLine) {
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(commandLine.c_str(), &count);
    qv::UniqueLocal owner(argv);
    return argv ? std::vector<std::wstring>(argv, argv + count) : std::vector<std::wstring>();
}

TEST(RefitterText, HandOverParameters) {
    // The usual path: exactly "21 <id> "<path>"".
    EXPECT_EQ(FormatHandOverParameters(1234, L"C:\\Game Hall\\update\\up date.ini"),
              L"21 1234 \"C:\\Game Hall\\update\\up date.ini\"");

    const std::wstring longPath = L"C:\\" + std::wstring(3000, L'a') + L"\\update.ini";
    const std::wstring scripts[] = {
        L"C:\\Game Hall\\update.ini",
        L"C:\\\u6E38\u620F\\\u5347\u7EA7 \u811A\u672C.ini",
        L"C:\\folder\\",  // a trailing backslash must not eat the closing quote
        L"C:\\folder\\\\",
        L"C:\\odd\"name\\x.ini",  // cannot name a file, but still arrives whole
        L"\\\\server\\share\\a b\\u.ini",
        longPath,  // never cut
    };
    for (const std::wstring& script : scripts) {
        const std::wstring parameters = FormatHandOverParameters(88, script);
        const std::vector<std::wstring> args = Split(L"\"C:\\t\\Refitter.exe\" " + parameters);
        ASSERT_EQ(args.size(), 4u) << testing::PrintToString(parameters);
        EXPECT_EQ(args[1], L"21");
        EXPECT_EQ(args[2], L"88");
        EXPECT_EQ(args[3], script);
    }
    // An id the signed conversion reads back bit for bit.
    EXPECT_EQ(static_cast<std::uint32_t>(DecimalToInt(Split(L"R " + FormatHandOverParameters(0x80000004u, L"s"))[2])),
              0x80000004u);
}

TEST(RefitterText, FolderPaths) {
    struct Row {
        const wchar_t* path;
        bool deletable;
    };
    const Row rows[] = {
        {L"C:\\Games\\unpack", true},
        {L"C:/Games/unpack", true},
        {L"d:\\u", true},
        {L"C:\\\\u", true},
        {L"C:", false},    // a drive root without its separator
        {L"C:\\", false},  // a drive root
        {L"C:/", false},
        {L"C:\\\\/", false},
        {L"", false},
        {L"unpack", false},    // relative
        {L"C:unpack", false},  // relative to the drive's current folder
        {L"\\\\server\\share\\u", false},
        {L"\\\\?\\C:\\u", false},
        {L"\\Games\\unpack", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsDeletableFolderPath(row.path), row.deletable) << testing::PrintToString(std::wstring(row.path));
    }

    EXPECT_EQ(TrimTrailingSeparators(L"C:\\u\\\\\\"), L"C:\\u");
    EXPECT_EQ(TrimTrailingSeparators(L"C:/u/\\/"), L"C:/u");
    EXPECT_EQ(TrimTrailingSeparators(L"C:\\"), L"C:");
    EXPECT_EQ(TrimTrailingSeparators(L"\\\\"), L"");

    EXPECT_EQ(ParentPart(L"C:\\a\\b"), L"C:\\a");
    EXPECT_EQ(NamePart(L"C:\\a\\b"), L"b");
    EXPECT_EQ(ParentPart(L"C:\\a"), L"C:\\");
    EXPECT_EQ(ParentPart(L"C:/a"), L"C:/");
    EXPECT_EQ(ParentPart(L"C:/a/b"), L"C:/a");
    EXPECT_EQ(JoinPath(L"C:\\", L"a"), L"C:\\a");
    EXPECT_EQ(JoinPath(L"\\\\?\\C:\\a", L"b"), L"\\\\?\\C:\\a\\b");
}

}  // namespace
}  // namespace refitter
