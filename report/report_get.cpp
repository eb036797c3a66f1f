#include "report_get.h"

#include "inet_handle.h"

namespace statvane {
namespace {

// The system's proxy settings first; a machine whose settings cannot be read
// still gets a direct connection.
UniqueInternet OpenSession() {
    const DWORD accessTypes[] = {INTERNET_OPEN_TYPE_PRECONFIG, INTERNET_OPEN_TYPE_DIRECT};
    for (DWORD accessType : accessTypes) {
        UniqueInternet session(::InternetOpenW(L"HTTP Downloader", accessType, nullptr, nullptr, 0));
        if (session) return session;
    }
    return UniqueInternet();
}

// Reads the answer to its end and drops it: nothing of it is kept, so a long
// answer costs no memory.
void DrainAnswer(HINTERNET request) {
    char chunk[1024];
    for (;;) {
        DWORD read = 0;
        if (!::InternetReadFile(request, chunk, sizeof(chunk) - 1, &read) || read == 0) return;
    }
}

// A server that hangs up without a word has not answered, although Wine's
// WinINet still opens the URL (with status 0). Any status line counts as an
// answer, an error page included; a handle that is not HTTP (ftp) counts too.
bool ServerAnswered(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        return status != 0;
    }
    return ::GetLastError() != ERROR_HTTP_HEADER_NOT_FOUND;
}

}  // namespace

bool SendReport(const wchar_t* url) {
    if (url == nullptr) return false;
    UniqueInternet session = OpenSession();
    if (!session) return false;
    for (int attempt = 0; attempt < kReportAttempts; ++attempt) {
        // RELOAD: a report must reach the server, never be answered from the cache.
        UniqueInternet request(
            ::InternetOpenUrlW(session.get(), url, nullptr, 0, INTERNET_FLAG_RELOAD, 0));
        if (!request || !ServerAnswered(request.get())) continue;
        DrainAnswer(request.get());
        return true;
    }
    return false;
}

}  // namespace statvane
