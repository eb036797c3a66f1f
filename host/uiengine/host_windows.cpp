// The table of host windows: identifier -> window handle.
#include <map>
#include <memory>
#include <string>

#include "qvue.h"

struct QVUE_HostWndTag {
    HWND window;
};

namespace {

std::map<std::string, std::unique_ptr<QVUE_HostWndTag>>& Table() {
    static std::map<std::string, std::unique_ptr<QVUE_HostWndTag>> table;
    return table;
}

}  // namespace

extern "C" {

QVUE_HOSTWND WINAPI QVUE_GetHostWndByID(const char* id) {
    if (!id) return nullptr;
    auto it = Table().find(id);
    return it == Table().end() ? nullptr : it->second.get();
}

HWND WINAPI QVUE_GetHostWndWindowHandle(QVUE_HOSTWND hostWnd) {
    for (auto& entry : Table())
        if (entry.second.get() == hostWnd) return hostWnd->window;
    return nullptr;
}

void __cdecl QVUE_AddHostWnd(const char* id, HWND window) {
    if (!id) return;
    auto& slot = Table()[id];
    if (!slot) slot = std::make_unique<QVUE_HostWndTag>();
    slot->window = window;
}

void __cdecl QVUE_RemoveHostWnd(const char* id) {
    if (id) Table().erase(id);
}

}  // extern "C"
