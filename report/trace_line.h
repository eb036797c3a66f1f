// The one trace line each export writes to the debugger channel.
// Pure text: no Win32 here, so it also builds natively.
#pragma once

#include <string>

namespace statvane {

// "@ Statvane @ ReportInstallStatW() pUrl = <url>"; a null URL reads "(null)".
std::wstring ReportTraceLine(const wchar_t* url);

// "@ Statvane @ GetPeerIDW() strPeerID = <identifier>"
std::wstring PeerIdTraceLine(const std::wstring& peerId);

}  // namespace statvane
