// Registration of the OSShell object: the method table, the DLL entry and
// the export, through the runtime stand-in's real Lua states.
#include <string>

#include "lua_fixture.h"
#include "qvtest/support.h"
#include "registration.h"

namespace {

const char* const kMethodNames[] = {
    "BrowserForFile", "FileDialog", "FolderDialog", "PostQuitMessage", "TerminateProcess", "GetTickCount",
    "QueryRegValue", "DeleteRegValue", "CreateRegKey", "DeleteRegKey", "SetRegValue", "Execute", "OpenURL",
    "OpenDir", "ReadINI", "WriteINI", "QueryFileExists", "GetFileSize", "GetSystemTempPath", "GetDesktopPath",
    "GetDocumentPath", "RegisterCOM", "UnRegisterCOM", "DeletePathFile", "CopyPathFile", "CreateDir",
    "SetFileAttributes", "GetFreePartitionSpace", "GetPartitionSpace", "GetDiskFormat", "IsValidFileName",
    "GetFileNameFromExtInfo", "SplitFileNameAndExt", "IsKeyDown", "GetWorkArea", "CopyTextToClipBoard",
    "GetCursorPos", "ShellOpen", "PathCombine", "SetDesktopWallpaper", "SetNamedEvent", "WriteShareMemory",
    "PlaySound", "FormatCrtTime", "GetLogicalDriveStrings", "GetDriveInfo", "ShellExecute",
    "IsClipboardTextFormatAvailable", "GlobalAddAtom", "GlobalDeleteAtom", "RegisterHotKey", "UnregisterHotKey",
    "GetScreenSize", "GetKeyState", "RefreshIcon", "RegisterClipboardFormat", "GetStringLength", "GetSubString",
    "LogOffMachine", "ShutDownMachine", "Rename", "IsBlankString", "IsNowFullScreen", "IsWindows7",
    "IsZenthForeground", "IsZenthOnUserFocus", "IsValidPath", "GetSystemFontList", "EmptyWorkingSet",
    "GetAsyncKeyState", "IsLastActivePopup", "IsNamedEventExist", "IsCookieExist", "GetModuleFilePath"};

TEST(OSShellMethodTable, HoldsEveryMethodInOrderThenTheEndEntry) {
    const QVLRT_METHOD* table = OSShellMethodTable();
    const size_t count = sizeof kMethodNames / sizeof kMethodNames[0];
    ASSERT_EQ(count, 74u);
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(kMethodNames[i]);
        ASSERT_NE(table[i].name, nullptr);
        EXPECT_STREQ(table[i].name, kMethodNames[i]);
        EXPECT_NE(table[i].function, nullptr);
        EXPECT_EQ(table[i].reserved, nullptr);
    }
    EXPECT_EQ(table[count].name, nullptr);
    EXPECT_EQ(table[count].function, nullptr);
    EXPECT_EQ(table[count].reserved, nullptr);
}

using RegisterToEnv = int(WINAPI*)(QVLRT_ENV);

// Loads Sysreach.dll as the host does, with this fixture's environment as
// the default one unless a test says otherwise.
class SysreachLoadTest : public LuaFixture {
protected:
    void SetUp() override {
        LuaFixture::SetUp();
        QVLRT_GetStats(&before_);
    }
    void TearDown() override {
        // The states hold functions of the DLL: close them before it goes.
        if (second_) QVLRT_DestroyEnv(second_);
        LuaFixture::TearDown();
        module_.reset();
        QVLRT_SetDefaultEnv(nullptr);
    }

    void Load(bool withDefaultEnv = true) {
        QVLRT_SetDefaultEnv(withDefaultEnv ? env_ : nullptr);
        module_.reset(::LoadLibraryW(qvtest::BinPath(L"Sysreach.dll").c_str()));
        ASSERT_TRUE(module_.valid()) << "error " << ::GetLastError();
        exportFn_ = reinterpret_cast<RegisterToEnv>(::GetProcAddress(module_.get(), "QV_OSShell_RegisterToEnv"));
        ASSERT_NE(exportFn_, nullptr);
    }

    QVLRT_STATS Delta() const {
        QVLRT_STATS now;
        QVLRT_GetStats(&now);
        return {now.getEnvCalls - before_.getEnvCalls, now.releaseEnvCalls - before_.releaseEnvCalls,
                now.registerCalls - before_.registerCalls, now.factoryCalls - before_.factoryCalls,
                now.luaCalls - before_.luaCalls};
    }

    QVLRT_ENV SecondEnv() {
        if (!second_) second_ = QVLRT_CreateEnv();
        return second_;
    }

    // The COSShell pointer behind Qoravel.UIEngine.OSShell in `L`.
    static void* ShellPointer(lua_State* L) {
        luaL_dostring(L, "return Qoravel.UIEngine.OSShell");
        void* block = lua_touserdata(L, -1);
        void* object = block ? *static_cast<void**>(block) : nullptr;
        lua_pop(L, 1);
        return object;
    }

    qv::UniqueModule module_;
    RegisterToEnv exportFn_ = nullptr;
    QVLRT_STATS before_{};
    QVLRT_ENV second_ = nullptr;
};

TEST_F(SysreachLoadTest, LoadingRegistersIntoTheDefaultEnvironment) {
    Load();
    EXPECT_EQ(Delta().getEnvCalls, 1);
    EXPECT_EQ(Delta().releaseEnvCalls, 1);
    EXPECT_GE(Delta().registerCalls, 1);
    EXPECT_EQ(Delta().factoryCalls, 0) << "the object is made when a script first needs it";

    EXPECT_EQ(Eval("return type(Qoravel.UIEngine.OSShell)"), "string:userdata");
    EXPECT_EQ(Delta().factoryCalls, 1);
    EXPECT_EQ(Eval("return getmetatable(Qoravel.UIEngine.OSShell) == "
                   "debug.getregistry()['Qoravel.UIEngine.OSShell.Class']"),
              "boolean:true");
    EXPECT_EQ(Eval("return type(Qoravel.UIEngine.OSShell:GetTickCount())"), "string:number");
}

TEST_F(SysreachLoadTest, EveryMethodNameIsAFunctionOfTheObject) {
    Load();
    for (const char* name : kMethodNames) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Eval(std::string("return type(Qoravel.UIEngine.OSShell.") + name + ")"), "string:function");
    }
    // Names are case-sensitive.
    EXPECT_EQ(Eval("return Qoravel.UIEngine.OSShell.gettickcount"), "nil");
}

TEST_F(SysreachLoadTest, LoadingWithoutAnEnvironmentRegistersNothingAndStillReleases) {
    Load(/*withDefaultEnv=*/false);
    EXPECT_EQ(Delta().getEnvCalls, 1);
    EXPECT_EQ(Delta().releaseEnvCalls, 1);
    EXPECT_EQ(Delta().registerCalls, 0);
    EXPECT_EQ(Eval("return Qoravel"), "nil");

    EXPECT_EQ(exportFn_(env_), QVLRT_OK);
    EXPECT_EQ(Eval("return type(Qoravel.UIEngine.OSShell)"), "string:userdata");
}

TEST_F(SysreachLoadTest, EveryRegistrationHandsOutTheSameShell) {
    Load();
    const long afterLoad = Delta().registerCalls;
    EXPECT_EQ(exportFn_(SecondEnv()), QVLRT_OK);
    EXPECT_EQ(exportFn_(env_), QVLRT_OK);
    EXPECT_EQ(Delta().registerCalls - afterLoad, 2);

    void* first = ShellPointer(L_);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ShellPointer(QVLRT_GetState(SecondEnv())), first);
}

TEST_F(SysreachLoadTest, NullEnvironmentGivesThreeWithoutCallingTheRuntime) {
    Load();
    const long afterLoad = Delta().registerCalls;
    EXPECT_EQ(exportFn_(nullptr), 3);
    EXPECT_EQ(Delta().registerCalls, afterLoad);
}

TEST_F(SysreachLoadTest, ExportPassesTheRuntimeResultOn) {
    Load();
    QVLRT_SetRegistrationResult(SecondEnv(), "Qoravel.UIEngine.OSShell", 7);
    EXPECT_EQ(exportFn_(SecondEnv()), 7);
    QVLRT_SetRegistrationResult(SecondEnv(), "Qoravel.UIEngine.OSShell", QVLRT_OK);
    EXPECT_EQ(exportFn_(SecondEnv()), QVLRT_OK);
}

TEST_F(SysreachLoadTest, MethodsCheckTheirObject) {
    Load();
    struct Case {
        const char* chunk;
        const char* expected;  // part of the error text, or "" for none
    };
    const Case cases[] = {
        {"Qoravel.UIEngine.OSShell.GetTickCount()",
         "bad argument #1 to 'GetTickCount' (Qoravel.UIEngine.OSShell.Class expected, got no value)"},
        {"Qoravel.UIEngine.OSShell.GetTickCount({})", "(Qoravel.UIEngine.OSShell.Class expected, got table)"},
        {"Qoravel.UIEngine.OSShell.GetTickCount(io.stdout)", "(Qoravel.UIEngine.OSShell.Class expected, got userdata)"},
        {"Qoravel.UIEngine.OSShell.BrowserForFile(1)", "(Qoravel.UIEngine.OSShell.Class expected, got number)"},
        {"Qoravel.UIEngine.OSShell:GetTickCount()", ""},
        // The one method without an object.
        {"Qoravel.UIEngine.OSShell.IsNamedEventExist()", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chunk);
        const std::string result = Eval(c.chunk);
        if (*c.expected == '\0')
            EXPECT_EQ(result.rfind("error:", 0), std::string::npos) << result;
        else
            EXPECT_NE(result.find(c.expected), std::string::npos) << result;
    }
}

}  // namespace
