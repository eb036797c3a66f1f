#include "hand_over.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "command_line.h"

namespace refitter {

namespace {

std::wstring RunningExecutablePath() {
    std::wstring buffer(520, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, &buffer[0], static_cast<DWORD>(buffer.size()));
        if (n == 0) return std::wstring();
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

void HandOver(const std::wstring& tempPath, const std::wstring& scriptPath) {
    const std::wstring self = RunningExecutablePath();
    if (self.empty()) return;
    const std::wstring copy = tempPath + ::PathFindFileNameW(self.c_str());
    ::CopyFileW(self.c_str(), copy.c_str(), FALSE);
    const std::wstring parameters = FormatHandOverParameters(::GetCurrentProcessId(), scriptPath);
    ::ShellExecuteW(nullptr, L"open", copy.c_str(), parameters.c_str(), L"", SW_HIDE);
}

}  // namespace refitter
