// Operations whose family is not built yet. Each one clears its out-values
// and gives its failure result, so scripts see an ordinary "did not work"
// rather than anything invented. As a family is built, its operations move
// out of this file into the family's own source; when this file is empty it
// goes.
#include "os_shell.h"

// Dialogs

int COSShell::BrowserForFile(const char*, const char*, std::string& fileName) {
    fileName.clear();
    return 1;
}

void COSShell::FileDialog(bool, const char*, const char*, const char*, std::string& path) {
    path.clear();
}

void COSShell::FolderDialog(const char*, const char*, std::string& path) {
    path.clear();
}

// Registry

int COSShell::QueryRegValue(const char*, const char*, const char*, unsigned int& type, std::string& text,
                            int& number) {
    type = REG_NONE;
    text.clear();
    number = 0;
    return 1;
}

int COSShell::DeleteRegValue(const char*, const char*) { return 0; }

int COSShell::CreateRegKey(const char*, const char*) { return 0; }

int COSShell::DeleteRegKey(const char*, const char*) { return 0; }

int COSShell::SetRegValue(const char*, const char*, const char*, unsigned int, const char*, int) { return 1; }

// Launching, shell and shutdown

int COSShell::ShellOpen(const char*) { return 0; }

int COSShell::Execute(const char*, const char*, const char*) { return 1; }

int COSShell::OpenURL(const char*) { return 0; }

int COSShell::OpenDir(const char*) { return 0; }

int COSShell::RegisterCOM(const char*) { return 0; }

int COSShell::UnRegisterCOM(const char*) { return 0; }

int COSShell::ShellExecute(HWND, const char*, const char*, const char*, const char*, const char*) { return 1; }

int COSShell::ShutDownMachine() { return 0; }

int COSShell::LogOffMachine() { return 0; }

// Files, folders and INI

int COSShell::ReadINI(const char*, const char*, const char*, std::string& value) {
    value.clear();
    return 0;
}

int COSShell::WriteINI(const char*, const char*, const char*, const char*) { return 0; }

int COSShell::PathCombine(const char*, const char*, std::string& combined) {
    combined.clear();
    return 0;
}

int COSShell::QueryFileExists(const char*) { return 0; }

long long COSShell::GetFileSize(const char*) { return -1; }

int COSShell::GetSystemTempPath(std::string& path) {
    path.clear();
    return 0;
}

int COSShell::GetDesktopPath(std::string& path) {
    path.clear();
    return 0;
}

int COSShell::GetDocumentPath(std::string& path) {
    path.clear();
    return 0;
}

int COSShell::GetModuleFilePath(const char*, std::string& folder) {
    folder.clear();
    return 0;
}

int COSShell::CreateDir(const char*) { return ERROR_CALL_NOT_IMPLEMENTED; }

int COSShell::DeletePathFile(const char*) { return 0; }

int COSShell::CopyPathFile(const char*, const char*, int) { return 0; }

void COSShell::SetFileAttributes(const char*, unsigned int) {}

int COSShell::Rename(const char*, const char*) { return 0; }

// Drives and partitions

int COSShell::GetFreePartitionSpace(const char*, long long& freeBytes) {
    freeBytes = -1;
    return 0;
}

int COSShell::GetPartitionSpace(const char*, long long& totalBytes) {
    totalBytes = -1;
    return 0;
}

int COSShell::GetDiskFormat(const char*, std::string& fileSystem) {
    fileSystem.clear();
    return 0;
}

bool COSShell::GetLogicalDriveStrings(std::vector<std::string>& roots) {
    roots.clear();
    return false;
}

bool COSShell::GetDriveInfo(const char*, unsigned int& driveType, std::string& label, double& totalGiB,
                            double& freeGiB) {
    driveType = DRIVE_UNKNOWN;
    label.clear();
    totalGiB = 0.0;
    freeGiB = 0.0;
    return false;
}

// File-name and path text

int COSShell::IsValidFileName(const char*) { return 0; }

int COSShell::IsValidPath(const char*) { return 0; }

int COSShell::GetFileNameFromExtInfo(const char*, std::string& name) {
    name.clear();
    return 0;
}

int COSShell::SplitFileNameAndExt(const char*, std::string& stem, std::string& extension) {
    stem.clear();
    extension.clear();
    return 0;
}

// Screen, windows and input

void COSShell::RefreshIcon() {}

int COSShell::IsKeyDown(int) { return 0; }

bool COSShell::GetWorkArea(ShellRect& area) {
    area = ShellRect{};
    return false;
}

int COSShell::GetCursorPos(ShellPoint& point) {
    point = ShellPoint{};
    return 0;
}

HRESULT COSShell::SetDesktopWallpaper(const char*) { return E_FAIL; }

// Only "true" is ever answered here; the sizes say nothing is known.
bool COSShell::GetScreenSize(int& width, int& height) {
    width = 0;
    height = 0;
    return true;
}

int COSShell::GetKeyState(int) { return 0; }

int COSShell::GetAsyncKeyState(int) { return 0; }

int COSShell::IsNowFullScreen() { return 0; }

int COSShell::IsZenthForeground() { return 0; }

// 1 is also the answer for a handle that is no window: nothing is known.
int COSShell::IsZenthOnUserFocus(HWND, const ShellRect&) { return 1; }

int COSShell::IsLastActivePopup(const char*) { return 0; }

// Clipboard, atoms and hot keys

bool COSShell::CopyTextToClipBoard(const char*) { return false; }

bool COSShell::IsClipboardTextFormatAvailable() { return false; }

unsigned int COSShell::GlobalAddAtom(const char*) { return 0; }

// Windows answers a failed release with the atom itself.
unsigned int COSShell::GlobalDeleteAtom(unsigned int atom) { return static_cast<ATOM>(atom); }

bool COSShell::RegisterHotKey(HWND, int, unsigned int, unsigned int) { return false; }

bool COSShell::UnregisterHotKey(HWND, int) { return false; }

unsigned int COSShell::RegisterClipboardFormat(const char*) { return 0; }

// Named events and shared memory

void COSShell::SetNamedEvent(const char*) {}

long long COSShell::WriteShareMemory(const char*, const char*, size_t) { return -1; }

// Text, time and system queries

void COSShell::PlaySound(const char*) {}

void COSShell::FormatCrtTime(long long, ShellTimeFields& fields) { fields = ShellTimeFields{}; }

size_t COSShell::GetStringLength(const char*) { return 0; }

bool COSShell::GetSubString(const char*, double, std::string& result) {
    result.clear();
    return false;
}

int COSShell::IsBlankString(const char*) { return 0; }

int COSShell::IsWindows7() { return 0; }

// An empty list is also the answer when no font matches.
int COSShell::GetSystemFontList(std::vector<std::wstring>& names) {
    names.clear();
    return 1;
}

int COSShell::EmptyWorkingSet() { return 0; }

bool COSShell::IsCookieExist(const char*, const char*) { return false; }
