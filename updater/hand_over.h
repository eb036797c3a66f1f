// Handing the update over to a copy of Refitter outside the client's folder,
// so that the update can replace files beside the running executable.
#pragma once

#include <string>

namespace refitter {

// Copies the running executable to `tempPath` followed directly by its file
// name (`tempPath` is expected to end with "\") and starts that copy hidden,
// in apply mode, with this process's id and `scriptPath`. Failures are not
// reported: the start is attempted even when the copy failed.
void HandOver(const std::wstring& tempPath, const std::wstring& scriptPath);

}  // namespace refitter
