#include <atomic>
#include <string>

#include "qvtest/support.h"

namespace qvtest {

namespace {

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && folder.back() == L'\\') return folder + name;
    return folder + L"\\" + name;
}

}  // namespace

std::wstring BinDir() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

std::wstring BinPath(const std::wstring& fileName) {
    return JoinPath(BinDir(), fileName);
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    for (;;) {
        std::wstring candidate = std::wstring(base) + L"qvtest-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(::GetTickCount()) + L"-" + std::to_wstring(counter++);
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return;
    }
}

TempDir::~TempDir() {
    if (!path_.empty()) RemoveTree(path_);
}

std::wstring TempDir::operator/(const std::wstring& relative) const {
    return JoinPath(path_, relative);
}

void RemoveTree(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
        return;
    }
    // A link to a folder goes, what it points to stays.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAW entry;
        qv::UniqueFind find(::FindFirstFileW(JoinPath(path, L"*").c_str(), &entry));
        if (find) {
            do {
                const std::wstring name = entry.cFileName;
                if (name != L"." && name != L"..") RemoveTree(JoinPath(path, name));
            } while (::FindNextFileW(find.get(), &entry));
        }
    }
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(path.c_str());
}

bool WriteTextFile(const std::wstring& path, const std::string& bytes) {
    qv::UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool ReadTextFile(const std::wstring& path, std::string* bytes) {
    bytes->clear();
    qv::UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    char buffer[16384];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes->append(buffer, got);
    return true;
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace qvtest
