// The three exports. Each traces once and catches everything: no C++
// exception may reach a caller that knows nothing of them.
#include <windows.h>

#include "peer_id.h"
#include "peer_id_text.h"
#include "report_get.h"
#include "statvane.h"
#include "trace_line.h"
#include "unix_time.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }

extern "C" int32_t __cdecl ReportInstallStatW(const wchar_t* url) {
    try {
        // Before any network activity, so the call shows even with no network.
        ::OutputDebugStringW(statvane::ReportTraceLine(url).c_str());
        return statvane::SendReport(url) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

extern "C" void __cdecl GetPeerIDW(wchar_t* buffer, int32_t count) {
    try {
        const std::wstring peerId = statvane::ReadPeerIdFromSibling();
        ::OutputDebugStringW(statvane::PeerIdTraceLine(peerId).c_str());
        statvane::CopyPeerId(peerId, buffer, count);
    } catch (...) {
    }
}

extern "C" int32_t __cdecl GetTime(void) {
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    const ULARGE_INTEGER intervals = {{now.dwLowDateTime, now.dwHighDateTime}};
    return statvane::UnixSecondsFromFileTime(intervals.QuadPart);
}
