#include "app_data_redirect.h"

namespace lwtest {
namespace {

const wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t kAppData[] = L"AppData";

}  // namespace

AppDataRedirect::AppDataRedirect(const std::wstring& folder) {
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, key_.put(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    DWORD size = 0;
    if (::RegQueryValueExW(key_.get(), kAppData, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        previous_.resize(size);
        if (::RegQueryValueExW(key_.get(), kAppData, nullptr, &type_, previous_.data(), &size) != ERROR_SUCCESS) {
            return;  // cannot restore what we could not read: change nothing
        }
        previous_.resize(size);
        hadValue_ = true;
    }
    const DWORD bytes = static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t));
    ok_ = ::RegSetValueExW(key_.get(), kAppData, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                           bytes) == ERROR_SUCCESS;
}

AppDataRedirect::~AppDataRedirect() {
    if (!ok_) return;
    if (hadValue_) {
        ::RegSetValueExW(key_.get(), kAppData, 0, type_, previous_.data(), static_cast<DWORD>(previous_.size()));
    } else {
        ::RegDeleteValueW(key_.get(), kAppData);
    }
}

}  // namespace lwtest
