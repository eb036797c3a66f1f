#include "folder_tree.h"

#include <windows.h>

#include <vector>

#include "folder_path.h"
#include "in_use_retry.h"
#include "qv/owners.h"

namespace refitter {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens `path` as itself, to be deleted: a link is opened as the link, not
// as its target. A file in use is waited for while `retry` allows.
qv::UniqueHandle OpenForDelete(const std::wstring& path, InUseRetry& retry) {
    for (;;) {
        qv::UniqueHandle handle(::CreateFileW(path.c_str(), DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE, kShareAll,
                                              nullptr, OPEN_EXISTING,
                                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (handle || !retry.PauseBeforeRetry(::GetLastError())) return handle;
    }
}

// The name the system gives what `handle` refers to ("\\?\C:\..."), or
// empty when it will not say.
std::wstring FinalPathOf(HANDLE handle) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(handle, &buffer[0], static_cast<DWORD>(buffer.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) return std::wstring();
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(n + 1);
    }
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

enum class Kind { Folder, File, Link, Elsewhere };

struct Entry {
    Kind kind = Kind::Elsewhere;
    bool isFolder = false;
    std::wstring finalPath;
};

// What `handle` (opened with OpenForDelete on a path whose final name should be
// `expectedFinal`) turned out to be. Elsewhere: the system opened something
// other than the entry itself, so it must not be deleted through this handle.
Entry Classify(HANDLE handle, const std::wstring& expectedFinal) {
    Entry entry;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) return entry;
    entry.isFolder = (tag.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if ((tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && IsReparseTagNameSurrogate(tag.ReparseTag)) {
        entry.kind = Kind::Link;
        return entry;
    }
    entry.finalPath = FinalPathOf(handle);
    if (expectedFinal.empty() || entry.finalPath.empty() || !SameName(entry.finalPath, expectedFinal)) return entry;
    entry.kind = entry.isFolder ? Kind::Folder : Kind::File;
    return entry;
}

// Marks what `handle` refers to for deletion when the last handle closes.
// Fails on a read-only file or a folder that is not empty.
void DeleteThroughHandle(HANDLE handle) {
    FILE_DISPOSITION_INFO info{};
    info.DeleteFile = TRUE;
    ::SetFileInformationByHandle(handle, FileDispositionInfo, &info, sizeof info);
}

// The names in the folder that `folder` (a handle from OpenForDelete) refers
// to. Listed through that handle: a listing by path would meet our own
// delete access as a sharing conflict, and could name another folder.
std::vector<std::wstring> ListFolder(HANDLE folder) {
    std::vector<std::wstring> names;
    qv::UniqueHandle listing(
        ::ReOpenFile(folder, FILE_LIST_DIRECTORY | SYNCHRONIZE, kShareAll, FILE_FLAG_BACKUP_SEMANTICS));
    if (!listing) return names;
    std::vector<LONGLONG> buffer(64 * 1024 / sizeof(LONGLONG));  // 8-byte aligned records
    const DWORD size = static_cast<DWORD>(buffer.size() * sizeof(LONGLONG));
    while (::GetFileInformationByHandleEx(listing.get(), FileFullDirectoryInfo, buffer.data(), size)) {
        const char* at = reinterpret_cast<const char*>(buffer.data());
        for (;;) {
            const auto* info = reinterpret_cast<const FILE_FULL_DIR_INFO*>(at);
            std::wstring name(info->FileName, info->FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..") names.push_back(std::move(name));
            if (info->NextEntryOffset == 0) break;
            at += info->NextEntryOffset;
        }
    }
    return names;
}

void DeleteEntry(const std::wstring& path, const std::wstring& expectedFinal, bool foldersOnly, InUseRetry& retry) {
    qv::UniqueHandle handle = OpenForDelete(path, retry);
    if (!handle) return;  // in use or not ours to delete: it stays
    const Entry entry = Classify(handle.get(), expectedFinal);
    if (foldersOnly && !entry.isFolder) return;
    switch (entry.kind) {
    case Kind::Elsewhere:
        return;
    case Kind::Link:
    case Kind::File:
        DeleteThroughHandle(handle.get());
        return;
    case Kind::Folder:
        for (const std::wstring& name : ListFolder(handle.get()))
            DeleteEntry(JoinPath(path, name), JoinPath(entry.finalPath, name), false, retry);
        DeleteThroughHandle(handle.get());
        return;
    }
}

// The final name `path` must have if its last step is not a link: its
// folder's final name (links above may be followed) joined with its name.
std::wstring ExpectedFinalPath(const std::wstring& path) {
    qv::UniqueHandle parent(::CreateFileW(ParentPart(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!parent) return std::wstring();
    const std::wstring parentFinal = FinalPathOf(parent.get());
    return parentFinal.empty() ? std::wstring() : JoinPath(parentFinal, NamePart(path));
}

}  // namespace

int DeleteFolderTree(const std::wstring& requested) {
    const std::wstring path = TrimTrailingSeparators(requested);
    if (!IsDeletableFolderPath(path)) return -1;
    // One budget for the whole tree: many files held for good must not
    // stall the update many times over.
    InUseRetry retry;
    DeleteEntry(path, ExpectedFinalPath(path), true, retry);
    return 0;
}

}  // namespace refitter
