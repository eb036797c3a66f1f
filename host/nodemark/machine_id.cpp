#include "machine_id.h"

#include <windows.h>

#include <cstdio>

#include "qv/owners.h"

namespace nodemark {
namespace {

// HKLM\SOFTWARE\Microsoft\Cryptography "MachineGuid", written at Windows setup.
std::string MachineGuid() {
    qv::UniqueKey key;
    // The 64-bit view: a 32-bit process on 64-bit Windows must see the same value.
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Cryptography", 0,
                        KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put()) != ERROR_SUCCESS) {
        return std::string();
    }
    char value[128] = {};
    DWORD size = sizeof(value) - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key.get(), "MachineGuid", nullptr, &type, reinterpret_cast<BYTE*>(value),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::string();
    }
    return std::string(value);
}

std::string SystemVolumeSerial() {
    char windowsDir[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryA(windowsDir, MAX_PATH);
    if (length < 3 || length >= MAX_PATH) return std::string();
    windowsDir[3] = '\0';  // "C:\"
    DWORD serial = 0;
    if (!::GetVolumeInformationA(windowsDir, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
        return std::string();
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%08lX", static_cast<unsigned long>(serial));
    return text;
}

}  // namespace

std::string MachineKey() { return MachineGuid() + "|" + SystemVolumeSerial(); }

}  // namespace nodemark
