// The file copies of an update.
#pragma once

#include <string>

#include "in_use_retry.h"

namespace refitter {

// Copies `source` over `destination`. A copy refused only because a file is
// in use (sharing or lock violation) is tried again for up to `retryMs`;
// any other failure gives up at once. True when the copy was made.
bool CopyReplacing(const std::wstring& source, const std::wstring& destination, DWORD retryMs = kInUseRetryMs);

}  // namespace refitter
