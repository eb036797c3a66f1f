// The update script: its "BasicInfo" values and carrying it out.
#pragma once

#include <string>

namespace refitter {

struct BasicInfo {
    std::wstring destPath;      // read, not used
    std::wstring tempPath;      // where the hand-over puts the copy; ends with "\"
    std::wstring downloadPath;  // read, not used
    std::wstring unpackPath;    // cleared at the end
    int flag = 0;               // above 0: start LaunchExePath at the end
    std::wstring launchExePath;
    std::wstring launchExeParam;
};

BasicInfo ReadBasicInfo(const std::wstring& scriptPath);

// Runs the packages one after another, makes the file copies, starts the
// client when asked, clears the unpack folder and erases the script's three
// sections so that it is not applied twice. Failures are skipped silently.
void ApplyUpdateScript(const std::wstring& scriptPath, const BasicInfo& info);

}  // namespace refitter
