#include "ansi_text.h"

#include <windows.h>

#include <climits>

namespace linkwright {

bool WideToThreadAnsi(const std::wstring& wide, std::string* ansi) {
    ansi->clear();
    if (wide.empty()) return true;
    if (wide.size() > INT_MAX / 4) return false;
    const int wideLength = static_cast<int>(wide.size());
    const int size = ::WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return false;
    ansi->resize(static_cast<size_t>(size));
    if (::WideCharToMultiByte(CP_THREAD_ACP, 0, wide.data(), wideLength, &(*ansi)[0], size, nullptr, nullptr) != size) {
        return false;
    }
    // The round trip catches both the default character and best-fit
    // replacements, in every code page, UTF-8 included.
    return ThreadAnsiToWide(*ansi) == wide;
}

std::wstring ThreadAnsiToWide(const std::string& ansi) {
    if (ansi.empty() || ansi.size() > INT_MAX) return std::wstring();
    const int ansiLength = static_cast<int>(ansi.size());
    const int size = ::MultiByteToWideChar(CP_THREAD_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    if (::MultiByteToWideChar(CP_THREAD_ACP, 0, ansi.data(), ansiLength, &wide[0], size) != size) return std::wstring();
    return wide;
}

LeadBytes ThreadLeadBytes() {
    CPINFO info{};
    if (!::GetCPInfo(CP_THREAD_ACP, &info)) return NoLeadBytes();
    return LeadBytesFromRanges(info.LeadByte, sizeof(info.LeadByte));
}

}  // namespace linkwright
