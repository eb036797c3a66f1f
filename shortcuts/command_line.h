// The Linkwright command line, read into a plain request. No Win32 here: the
// rules compile natively so they can be read and fuzzed alone.
#pragma once

#include <string>
#include <vector>

namespace linkwright {

struct RunRequest {
    std::wstring gameId;      // -gameid
    std::wstring sourceFile;  // -sourcefile: the program the shortcut opens
    std::wstring link;        // -link: full path of the shortcut file
    bool deleteSaved = false; // -deleteallsaveddesktoplink
};

enum class RunAction { DeleteSavedShortcuts, CreateShortcut, Nothing };

// Examines every element in order, the program path included. Options match
// with ASCII letters folded; one that takes a value consumes the next element
// (never examined as an option itself), or gets "" when it is the last. A later
// occurrence replaces an earlier value; anything else is ignored.
RunRequest ReadCommandLine(const std::vector<std::wstring>& elements);

// Removal wins over creation; creation needs all three values non-empty.
RunAction DecideAction(const RunRequest& request);

}  // namespace linkwright
