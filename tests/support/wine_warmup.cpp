// Started by scripts/wine-session with its output sent nowhere: makes Wine
// start its desktop and OLE services before any test inherits a pipe, and
// (with --stay) keeps a hidden window open so that the desktop process,
// which ends with the last window, lives as long as the session.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <cwchar>

int main() {
    ::GetDesktopWindow();
    if (SUCCEEDED(::OleInitialize(nullptr))) ::OleUninitialize();

    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    const bool stay = argv && argc > 1 && std::wcscmp(argv[1], L"--stay") == 0;
    ::LocalFree(argv);
    if (!stay) return 0;

    HWND keeper = ::CreateWindowExW(0, L"STATIC", L"wine session keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    nullptr, nullptr);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    if (keeper) ::DestroyWindow(keeper);
    return 0;
}
