// Running Linkwright.exe as a child and reading back what it wrote.
#pragma once

#include <string>
#include <vector>

#include "qvtest/support.h"

namespace lwtest {

// The command line that gives CommandLineToArgvW exactly these elements
// after the program path.
std::wstring LinkwrightCommand(const std::vector<std::wstring>& arguments);

// Runs Linkwright.exe with the arguments; its exit code (-1: did not end).
long RunLinkwright(const std::vector<std::wstring>& arguments, const std::wstring& workDir = L"");

struct ShortcutFields {
    std::string target, workingFolder, arguments;  // ANSI, as the A interface gives them
};

// Loads a shortcut through IShellLinkA and IPersistFile. Needs COM.
bool ReadShortcut(const std::wstring& path, ShortcutFields* fields);

// UTF-16 to the ANSI code page; false when a character has no exact form.
bool ToAnsi(const std::wstring& wide, std::string* ansi);

}  // namespace lwtest
