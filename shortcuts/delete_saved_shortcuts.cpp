#include "delete_saved_shortcuts.h"

#include <windows.h>
#include <shlobj.h>

#include <new>
#include <string>
#include <vector>

#include "ansi_text.h"
#include "saved_register.h"

namespace linkwright {
namespace {

constexpr DWORD kFirstListSize = 10240 * 10;

// Reads the key names of the register's section, growing the buffer while
// the profile call reports that the list was cut. False when it cannot grow.
bool ReadKeyNames(const std::string& registerPath, std::vector<char>* list, DWORD* length) {
    DWORD size = kFirstListSize;
    for (;;) {
        try {
            list->assign(size, '\0');
        } catch (const std::bad_alloc&) {
            return false;
        }
        *length = ::GetPrivateProfileStringA(kRegisterSection, nullptr, "", list->data(), size, registerPath.c_str());
        if (*length != size - 2) return true;
        if (size > MAXDWORD / 10) return false;
        size *= 10;
    }
}

// One byte more than the longest path taken, so that a longer value shows as
// such instead of being cut into a path that names some other file.
std::string ReadShortcutPath(const std::string& registerPath, const std::string& key) {
    char value[kMaxShortcutPathBytes + 2] = {};
    const DWORD length = ::GetPrivateProfileStringA(kRegisterSection, key.c_str(), "", value, sizeof(value),
                                                    registerPath.c_str());
    return std::string(value, length);
}

void DeleteShortcutFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    ::DeleteFileA(path.c_str());  // a file that cannot be deleted stays
}

}  // namespace

int DeleteSavedShortcuts() {
    char folder[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_APPDATA, FALSE)) return 1;
    const std::string registerPath = std::string(folder) + kRegisterRelativePath;
    ::OutputDebugStringA(registerPath.c_str());

    std::vector<char> list;
    DWORD length = 0;
    if (!ReadKeyNames(registerPath, &list, &length)) return 0;

    const LeadBytes lead = ThreadLeadBytes();
    for (const std::string& key : SplitNameList(std::string_view(list.data(), length))) {
        if (!IsShortcutKey(key)) continue;
        const std::string path = ReadShortcutPath(registerPath, key);
        if (IsDeletableShortcutPath(path, lead)) DeleteShortcutFile(path);
    }
    return 1;
}

}  // namespace linkwright
