#include "file_copy.h"

namespace refitter {

bool CopyReplacing(const std::wstring& source, const std::wstring& destination, DWORD retryMs) {
    InUseRetry retry(retryMs);
    for (;;) {
        if (::CopyFileW(source.c_str(), destination.c_str(), FALSE)) return true;
        if (!retry.PauseBeforeRetry(::GetLastError())) return false;
    }
}

}  // namespace refitter
