// Path text rules for clearing the unpack folder. Pure: no Windows call.
#pragma once

#include <string>

namespace refitter {

bool IsSeparator(wchar_t c);

// Drops every trailing backslash or slash ("D:\unpack\\" -> "D:\unpack").
std::wstring TrimTrailingSeparators(std::wstring path);

// Only "X:\something" or "X:/something" may be cleared. Relative and network
// paths are refused, and so is a drive root in any spelling ("C:", "C:\",
// "C:/", "C:\\"), since clearing it would empty the whole drive.
bool IsDeletableFolderPath(const std::wstring& path);

// `folder` + "\" + `name`, with no doubled separator when `folder` already
// ends with one (as a drive root does).
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The folder part and the last name of a path: "C:\a\b" -> "C:\a", "b";
// "C:\a" -> "C:\", "a". The last name is empty when there is no separator.
std::wstring ParentPart(const std::wstring& path);
std::wstring NamePart(const std::wstring& path);

}  // namespace refitter
