// Saved as UTF-8: GCC reads the wide literals below as UTF-8 source text.
#include "messages.h"

#include <windows.h>

namespace refitter {

const wchar_t kMessageCaption[] = L"Qoravel游戏大厅";

namespace {

void Show(const wchar_t* text) {
    ::MessageBoxW(nullptr, text, kMessageCaption, MB_OK);
}

}  // namespace

void ShowScriptMissingMessage() {
    Show(L"很抱歉，自动升级过程出现错误，请重试或到官方网站下载最新安装包！");
}

void ShowAlreadyRunningMessage() {
    Show(L"很抱歉，自动升级过程出现错误，请重试！");
}

}  // namespace refitter
