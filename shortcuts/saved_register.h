// The saved-shortcut register: an INI file written by the client that lists
// game shortcut files. Text rules only (no Win32), so they compile natively.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ansi_path.h"

namespace linkwright {

// Below the application-data folder.
inline constexpr char kRegisterRelativePath[] = "\\Tolvane\\ShellLink.ini";
inline constexpr char kRegisterSection[] = "TolvaneShellLink";
inline constexpr char kShortcutKeyPrefix[] = "GameShellLink";

// The longest value taken as a path: a Windows ANSI path of MAX_PATH bytes
// with its terminator.
inline constexpr size_t kMaxShortcutPathBytes = 259;

// Splits a key-name list as the profile API returns it (names each ending in
// a zero, the list ending with an empty name) into its names, in order.
std::vector<std::string> SplitNameList(std::string_view list);

// Keys that list a shortcut begin with "GameShellLink", letter case as given.
// A byte compare is exact in double-byte code pages too: every byte of the
// prefix is ASCII, so none of them can be a trail byte of the key's text.
bool IsShortcutKey(std::string_view keyName);

// A listed value is deleted only when it is the full path of a shortcut file:
// a register that names a document or a program, or a relative path that
// would depend on our current folder, must not make us delete it.
bool IsDeletableShortcutPath(std::string_view value, const LeadBytes& lead);

}  // namespace linkwright
