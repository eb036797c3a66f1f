// qvhost SCRIPT.lua [ARGS...]: the script host. Initialises OLE, creates the
// default Lua environment, loads Sysreach.dll (whose DLL entry registers its
// objects), creates the main window "main" and runs the script. Exit code 0,
// or 1 with the error and its traceback on stderr. Without a script it reads
// Lua lines from standard input.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "host_library.h"
#include "host_window.h"
#include "qv/owners.h"
#include "qvlrt.h"
#include "qvue.h"

extern "C" {
#include "lauxlib.h"
}

namespace {

std::string ToUtf8(const wchar_t* text) {
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return std::string();
    std::string out(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], bytes, nullptr, nullptr);
    out.resize(static_cast<size_t>(bytes - 1));
    return out;
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) ::OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool ok_;
};

// arg[0] = script, arg[1..] = its arguments, as in the stand-alone lua.
void SetArgTable(lua_State* L, const std::vector<std::string>& args) {
    lua_createtable(L, static_cast<int>(args.size()), 0);
    for (size_t i = 0; i < args.size(); ++i) {
        lua_pushlstring(L, args[i].data(), args[i].size());
        lua_rawseti(L, -2, static_cast<int>(i));
    }
    lua_setglobal(L, "arg");
}

bool ReadWholeFile(const wchar_t* path, std::string* bytes) {
    qv::UniqueHandle file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes->append(buffer, got);
    return true;
}

int RunScript(QVLRT_ENV env, const wchar_t* path) {
    std::string chunk;
    if (!ReadWholeFile(path, &chunk)) {
        std::fprintf(stderr, "qvhost: cannot read %s\n", ToUtf8(path).c_str());
        return 1;
    }
    if (chunk.size() > 1 && chunk[0] == '#') chunk.insert(0, "--");  // a "#!" first line
    const std::string name = "@" + ToUtf8(path);
    if (QVLRT_RunString(env, chunk.data(), chunk.size(), name.c_str()) != 0) {
        std::fprintf(stderr, "qvhost: %s\n", QVLRT_LastCallError());
        return 1;
    }
    return 0;
}

// Each line is run as "return LINE" first, so expressions print their values.
int Interactive(QVLRT_ENV env) {
    std::string line;
    std::fprintf(stdout, "qvhost: Lua 5.1 with Sysreach; end with Ctrl-Z or Ctrl-D\n> ");
    std::fflush(stdout);
    while (std::getline(std::cin, line)) {
        const std::string asExpression = "print(" + line + ")";
        if (QVLRT_RunString(env, asExpression.data(), asExpression.size(), "=stdin") != 0 &&
            QVLRT_RunString(env, line.data(), line.size(), "=stdin") != 0)
            std::fprintf(stdout, "%s\n", QVLRT_LastCallError());
        std::fprintf(stdout, "> ");
        std::fflush(stdout);
    }
    return 0;
}

int Main() {
    int argc = 0;
    qv::UniqueLocal argvBlock(::CommandLineToArgvW(::GetCommandLineW(), &argc));
    if (!argvBlock) return 1;
    wchar_t** argv = static_cast<wchar_t**>(argvBlock.get());

    OleSession ole;
    QVLRT_ENV env = QVLRT_CreateEnv();
    if (!env) {
        std::fprintf(stderr, "qvhost: cannot create a Lua environment\n");
        return 1;
    }
    QVLRT_SetDefaultEnv(env);

    HWND mainWindow = qvhost::CreateMainWindow();
    QVUE_AddHostWnd("main", mainWindow);
    qvhost::OpenHostLibrary(QVLRT_GetState(env), mainWindow);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(ToUtf8(argv[i]));
    SetArgTable(QVLRT_GetState(env), args);

    // Loaded after the environment exists: the DLL entry registers into it.
    const std::wstring extension = ExeFolder() + L"Sysreach.dll";
    qv::UniqueModule sysreach(::LoadLibraryW(extension.c_str()));
    if (!sysreach) {
        std::fprintf(stderr, "qvhost: cannot load %s (error %lu)\n", ToUtf8(extension.c_str()).c_str(),
                     ::GetLastError());
        return 1;
    }

    const int status = argc >= 2 ? RunScript(env, argv[1]) : Interactive(env);
    if (mainWindow) ::DestroyWindow(mainWindow);
    QVUE_RemoveHostWnd("main");
    // The extension keeps script references until the process ends, so the
    // state is left to the end of the process as the real host does.
    sysreach.release();
    return status;
}

}  // namespace

int main() {
    try {
        return Main();
    } catch (...) {
        std::fprintf(stderr, "qvhost: out of memory\n");
        return 1;
    }
}
