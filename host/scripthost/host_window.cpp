#include "host_window.h"

namespace qvhost {

namespace {

const wchar_t kClassName[] = L"QvHostMainWindow";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateMainWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(0, kClassName, L"qvhost", WS_OVERLAPPEDWINDOW, 100, 100, 480, 320, nullptr, nullptr,
                             wc.hInstance, nullptr);
}

bool PumpMessages(int milliseconds, int* exitCode) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                *exitCode = static_cast<int>(msg.wParam);
                return true;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        DWORD wait = INFINITE;
        if (milliseconds >= 0) {
            const DWORD elapsed = ::GetTickCount() - start;
            if (elapsed >= static_cast<DWORD>(milliseconds)) return false;
            wait = static_cast<DWORD>(milliseconds) - elapsed;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

}  // namespace qvhost
