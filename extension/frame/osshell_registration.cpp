// The OSShell object: its factory, its method table and its registration.
#include "method_glue.h"
#include "os_shell.h"
#include "registration.h"

namespace {

const char kObjectName[] = "Qoravel.UIEngine.OSShell";
const char kClassName[] = "Qoravel.UIEngine.OSShell.Class";

// The one COSShell of the process, made on the first call and destroyed
// when the DLL unloads.
void* WINAPI OSShellFactory(void*) {
    static COSShell shell;
    return &shell;
}

// In the documented order; scripts see the names exactly as spelled here.
const QVLRT_METHOD kMethods[] = {
    {"BrowserForFile", methods::NotYetBuilt, nullptr},
    {"FileDialog", methods::NotYetBuilt, nullptr},
    {"FolderDialog", methods::NotYetBuilt, nullptr},
    {"PostQuitMessage", methods::PostQuitMessage, nullptr},
    {"TerminateProcess", methods::TerminateProcess, nullptr},
    {"GetTickCount", methods::GetTickCount, nullptr},
    {"QueryRegValue", methods::NotYetBuilt, nullptr},
    {"DeleteRegValue", methods::NotYetBuilt, nullptr},
    {"CreateRegKey", methods::NotYetBuilt, nullptr},
    {"DeleteRegKey", methods::NotYetBuilt, nullptr},
    {"SetRegValue", methods::NotYetBuilt, nullptr},
    {"Execute", methods::NotYetBuilt, nullptr},
    {"OpenURL", methods::NotYetBuilt, nullptr},
    {"OpenDir", methods::NotYetBuilt, nullptr},
    {"ReadINI", methods::NotYetBuilt, nullptr},
    {"WriteINI", methods::NotYetBuilt, nullptr},
    {"QueryFileExists", methods::NotYetBuilt, nullptr},
    {"GetFileSize", methods::NotYetBuilt, nullptr},
    {"GetSystemTempPath", methods::NotYetBuilt, nullptr},
    {"GetDesktopPath", methods::NotYetBuilt, nullptr},
    {"GetDocumentPath", methods::NotYetBuilt, nullptr},
    {"RegisterCOM", methods::NotYetBuilt, nullptr},
    {"UnRegisterCOM", methods::NotYetBuilt, nullptr},
    {"DeletePathFile", methods::NotYetBuilt, nullptr},
    {"CopyPathFile", methods::NotYetBuilt, nullptr},
    {"CreateDir", methods::NotYetBuilt, nullptr},
    {"SetFileAttributes", methods::NotYetBuilt, nullptr},
    {"GetFreePartitionSpace", methods::NotYetBuilt, nullptr},
    {"GetPartitionSpace", methods::NotYetBuilt, nullptr},
    {"GetDiskFormat", methods::NotYetBuilt, nullptr},
    {"IsValidFileName", methods::NotYetBuilt, nullptr},
    {"GetFileNameFromExtInfo", methods::NotYetBuilt, nullptr},
    {"SplitFileNameAndExt", methods::NotYetBuilt, nullptr},
    {"IsKeyDown", methods::NotYetBuilt, nullptr},
    {"GetWorkArea", methods::NotYetBuilt, nullptr},
    {"CopyTextToClipBoard", methods::NotYetBuilt, nullptr},
    {"GetCursorPos", methods::NotYetBuilt, nullptr},
    {"ShellOpen", methods::NotYetBuilt, nullptr},
    {"PathCombine", methods::NotYetBuilt, nullptr},
    {"SetDesktopWallpaper", methods::NotYetBuilt, nullptr},
    {"SetNamedEvent", methods::NotYetBuilt, nullptr},
    {"WriteShareMemory", methods::NotYetBuilt, nullptr},
    {"PlaySound", methods::NotYetBuilt, nullptr},
    {"FormatCrtTime", methods::NotYetBuilt, nullptr},
    {"GetLogicalDriveStrings", methods::NotYetBuilt, nullptr},
    {"GetDriveInfo", methods::NotYetBuilt, nullptr},
    {"ShellExecute", methods::NotYetBuilt, nullptr},
    {"IsClipboardTextFormatAvailable", methods::NotYetBuilt, nullptr},
    {"GlobalAddAtom", methods::NotYetBuilt, nullptr},
    {"GlobalDeleteAtom", methods::NotYetBuilt, nullptr},
    {"RegisterHotKey", methods::NotYetBuilt, nullptr},
    {"UnregisterHotKey", methods::NotYetBuilt, nullptr},
    {"GetScreenSize", methods::NotYetBuilt, nullptr},
    {"GetKeyState", methods::NotYetBuilt, nullptr},
    {"RefreshIcon", methods::NotYetBuilt, nullptr},
    {"RegisterClipboardFormat", methods::NotYetBuilt, nullptr},
    {"GetStringLength", methods::NotYetBuilt, nullptr},
    {"GetSubString", methods::NotYetBuilt, nullptr},
    {"LogOffMachine", methods::NotYetBuilt, nullptr},
    {"ShutDownMachine", methods::NotYetBuilt, nullptr},
    {"Rename", methods::NotYetBuilt, nullptr},
    {"IsBlankString", methods::NotYetBuilt, nullptr},
    {"IsNowFullScreen", methods::NotYetBuilt, nullptr},
    {"IsWindows7", methods::NotYetBuilt, nullptr},
    {"IsZenthForeground", methods::NotYetBuilt, nullptr},
    {"IsZenthOnUserFocus", methods::NotYetBuilt, nullptr},
    {"IsValidPath", methods::NotYetBuilt, nullptr},
    {"GetSystemFontList", methods::NotYetBuilt, nullptr},
    {"EmptyWorkingSet", methods::NotYetBuilt, nullptr},
    {"GetAsyncKeyState", methods::NotYetBuilt, nullptr},
    {"IsLastActivePopup", methods::NotYetBuilt, nullptr},
    {"IsNamedEventExist", methods::NotYetBuiltWithoutObject, nullptr},
    {"IsCookieExist", methods::NotYetBuilt, nullptr},
    {"GetModuleFilePath", methods::NotYetBuilt, nullptr},
    {nullptr, nullptr, nullptr},
};

}  // namespace

const QVLRT_METHOD* OSShellMethodTable() {
    return kMethods;
}

int RegisterOSShell(QVLRT_ENV env) {
    if (!env) return 3;
    const QVLRT_REGISTRATION record = {OSShellFactory, nullptr, kObjectName, kClassName, kMethods, nullptr};
    return QVLRT_RegisterGlobalObj(env, record);
}
