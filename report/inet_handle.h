// Owner of a WinINet handle (root session or opened URL).
#pragma once

#include <windows.h>
#include <wininet.h>

#include "qv/owners.h"

namespace statvane {

namespace detail {
inline void CloseInternet(HINTERNET handle) { ::InternetCloseHandle(handle); }
}  // namespace detail

using UniqueInternet = qv::UniqueResource<qv::NullIsNone<HINTERNET, detail::CloseInternet>>;

}  // namespace statvane
