// The two text conversions at the script boundary: UTF-8 outside, UTF-16
// for Win32. Explicit lengths: a zero inside the given length is converted
// like any other character; callers measure their text where it should end.
#pragma once

#include <cstddef>
#include <string>

// Empty or null text gives empty text; invalid UTF-8 is converted as
// MultiByteToWideChar does with flags 0.
void Utf8ToWide(const char* text, size_t byteCount, std::wstring& out);
void WideToUtf8(const wchar_t* text, size_t unitCount, std::string& out);

// Convenience forms for zero-terminated text.
std::wstring Utf8ToWide(const char* text);
std::string WideToUtf8(const wchar_t* text);
