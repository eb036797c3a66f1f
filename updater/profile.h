// Reading and erasing the update script through the profile calls.
#pragma once

#include <string>

namespace refitter {

// The value of `key` in `section`, or `fallback` when absent. Read whole: a
// cut path could name another file or folder. A value of 32767 characters
// or more, longer than any Windows path, counts as absent.
std::wstring ReadProfileText(const std::wstring& file, const wchar_t* section, const std::wstring& key,
                             const wchar_t* fallback = L"");

// Removes `section` with all its keys; the rest of the file stays.
void EraseProfileSection(const std::wstring& file, const wchar_t* section);

}  // namespace refitter
