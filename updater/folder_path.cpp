#include "folder_path.h"

namespace refitter {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

std::wstring TrimTrailingSeparators(std::wstring path) {
    while (!path.empty() && IsSeparator(path.back())) path.pop_back();
    return path;
}

bool IsDeletableFolderPath(const std::wstring& path) {
    if (path.size() < 3 || path[1] != L':' || !IsSeparator(path[2])) return false;
    for (std::size_t i = 3; i < path.size(); ++i) {
        if (!IsSeparator(path[i])) return true;
    }
    return false;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && IsSeparator(folder.back())) return folder + name;
    return folder + L'\\' + name;
}

namespace {

std::size_t LastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

}  // namespace

std::wstring ParentPart(const std::wstring& path) {
    const std::size_t at = LastSeparator(path);
    if (at == std::wstring::npos) return std::wstring();
    // Keep the separator of a drive root: "C:\a" -> "C:\", not "C:".
    if (at == 2 && path[1] == L':') return path.substr(0, 3);
    return path.substr(0, at);
}

std::wstring NamePart(const std::wstring& path) {
    const std::size_t at = LastSeparator(path);
    return at == std::wstring::npos ? std::wstring() : path.substr(at + 1);
}

}  // namespace refitter
