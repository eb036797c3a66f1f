#include "text_conversion.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <cwchar>

void Utf8ToWide(const char* text, size_t byteCount, std::wstring& out) {
    out.clear();
    // Win32 takes int lengths; longer text cannot come from a Lua string here.
    if (!text || byteCount == 0 || byteCount > INT_MAX) return;
    // UTF-8 never yields more UTF-16 units than it has bytes.
    out.resize(byteCount);
    const int units = ::MultiByteToWideChar(CP_UTF8, 0, text, static_cast<int>(byteCount), &out[0],
                                            static_cast<int>(byteCount));
    out.resize(units > 0 ? static_cast<size_t>(units) : 0);
}

void WideToUtf8(const wchar_t* text, size_t unitCount, std::string& out) {
    out.clear();
    if (!text || unitCount == 0 || unitCount > INT_MAX / 3) return;
    // Three bytes per unit is enough for any UTF-16 text.
    out.resize(3 * unitCount);
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(unitCount), &out[0],
                                            static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
}

std::wstring Utf8ToWide(const char* text) {
    std::wstring out;
    if (text) Utf8ToWide(text, std::strlen(text), out);
    return out;
}

std::string WideToUtf8(const wchar_t* text) {
    std::string out;
    if (text) WideToUtf8(text, std::wcslen(text), out);
    return out;
}
