// Statvane.dll loaded the way its callers load it: by path, exports by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "qv/owners.h"

namespace statvane_test {

using ReportInstallStatFn = std::int32_t(__cdecl*)(const wchar_t*);
using GetPeerIdFn = void(__cdecl*)(wchar_t*, std::int32_t);
using GetTimeFn = std::int32_t(__cdecl*)();

struct StatvaneLibrary {
    qv::UniqueModule module;
    ReportInstallStatFn ReportInstallStatW = nullptr;
    GetPeerIdFn GetPeerIDW = nullptr;
    GetTimeFn GetTime = nullptr;

    bool ok() const { return ReportInstallStatW && GetPeerIDW && GetTime; }
};

// Loads `path`; ok() is false when the library or an export is missing.
inline StatvaneLibrary LoadStatvane(const std::wstring& path) {
    StatvaneLibrary library;
    library.module.reset(::LoadLibraryW(path.c_str()));
    if (!library.module) return library;
    HMODULE m = library.module.get();
    library.ReportInstallStatW = reinterpret_cast<ReportInstallStatFn>(::GetProcAddress(m, "ReportInstallStatW"));
    library.GetPeerIDW = reinterpret_cast<GetPeerIdFn>(::GetProcAddress(m, "GetPeerIDW"));
    library.GetTime = reinterpret_cast<GetTimeFn>(::GetProcAddress(m, "GetTime"));
    return library;
}

}  // namespace statvane_test
