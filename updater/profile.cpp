#include "profile.h"

#include <windows.h>

namespace refitter {

namespace {

constexpr DWORD kFirstBuffer = 1024;
constexpr DWORD kLongestValue = 32767;

}  // namespace

std::wstring ReadProfileText(const std::wstring& file, const wchar_t* section, const std::wstring& key,
                             const wchar_t* fallback) {
    std::wstring buffer(kFirstBuffer, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD n = ::GetPrivateProfileStringW(section, key.c_str(), fallback, &buffer[0], size, file.c_str());
        // A value that filled the buffer may have been cut: read it again.
        if (n + 1 < size) {
            buffer.resize(n);
            return buffer;
        }
        if (size > kLongestValue) return fallback;
        buffer.resize(size * 2);
    }
}

void EraseProfileSection(const std::wstring& file, const wchar_t* section) {
    ::WritePrivateProfileStringW(section, nullptr, nullptr, file.c_str());
}

}  // namespace refitter
