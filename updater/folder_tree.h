// Clearing the unpack folder.
#pragma once

#include <string>

namespace refitter {

// Deletes the folder `path` with everything in it (trailing separators are
// ignored). Returns -1 when the path is refused (see IsDeletableFolderPath)
// and 0 otherwise. What cannot be deleted (a read-only or open file) stays, and so
// do the folders above it. A link (junction, symbolic link) is removed
// itself, never followed: nothing outside `path` is touched. Where the system
// cannot open a link as itself (Wine opens Unix links as their target), the
// link is left in place.
int DeleteFolderTree(const std::wstring& path);

}  // namespace refitter
