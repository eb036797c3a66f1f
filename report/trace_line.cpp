#include "trace_line.h"

namespace statvane {

std::wstring ReportTraceLine(const wchar_t* url) {
    // Built by concatenation: a URL of any length is traced whole.
    return std::wstring(L"@ Statvane @ ReportInstallStatW() pUrl = ") + (url ? url : L"(null)");
}

std::wstring PeerIdTraceLine(const std::wstring& peerId) {
    return L"@ Statvane @ GetPeerIDW() strPeerID = " + peerId;
}

}  // namespace statvane
