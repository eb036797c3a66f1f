// The OSShell operations: what every script method of the
// "Qoravel.UIEngine.OSShell" object calls once its glue function has read
// the arguments.
//
// - `IOSShell` is the interface: a virtual destructor, then the operations,
//   in their fixed virtual-table order. Do not reorder, insert or remove.
// - `COSShell` is the one stateless implementation; one static object serves
//   every script environment of the process.
// - Text in: zero-terminated UTF-8 (the runtime's own pointers). Text out:
//   UTF-8 `std::string` out-parameters, which the operation fills.
// - Each operation is named after the script method that calls it. Several of
//   those names are also Win32 macros (see below); inside a `COSShell` member
//   call Win32 as `::GetKeyState(...)`, `::PathCombineW(...)` and so on, since
//   the unqualified name finds the member.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>
#include <mmsystem.h>
#include <psapi.h>

#include <cstddef>
#include <string>
#include <vector>

// These Windows headers map some operation names to their W or K32 forms with
// #define, which would rename our members. They are all included above, so
// their include guards keep a later #include from defining the macros again;
// then the macros are dropped so the members keep their real names.
#undef EmptyWorkingSet
#undef GetLogicalDriveStrings
#undef GlobalAddAtom
#undef PathCombine
#undef PlaySound
#undef RegisterClipboardFormat
#undef SetFileAttributes
#undef ShellExecute

struct ShellRect {
    int left, top, right, bottom;
};

struct ShellPoint {
    int x, y;
};

// Local calendar time, split the way scripts receive it.
struct ShellTimeFields {
    int year;    // e.g. 1970
    int month;   // 1 to 12
    int day;     // 1 to 31
    int hour;
    int minute;
    int second;
};

class IOSShell {
public:
    virtual ~IOSShell() = default;

    // Open dialog for an existing file; fileName holds the initial name on
    // entry and the chosen path (or "") on return. 0 = chosen, 1 = not.
    virtual int BrowserForFile(const char* title, const char* filter, std::string& fileName) = 0;
    // Open (open = true) or Save dialog; defaultExt and fileName may be null.
    // path receives the chosen path, or "" on cancel.
    virtual void FileDialog(bool open, const char* filter, const char* defaultExt, const char* fileName,
                            std::string& path) = 0;
    // Folder browser; path receives the chosen folder, or "" on cancel or for
    // a folder without a file-system path.
    virtual void FolderDialog(const char* title, const char* initialFolder, std::string& path) = 0;
    // Posts the quit message to the calling thread's queue.
    virtual void PostQuitMessage(int exitCode) = 0;
    // Ends the host process at once; returns only if that fails.
    virtual void TerminateProcess(int exitCode) = 0;
    // Milliseconds since the system started (wraps after about 49.7 days).
    virtual unsigned int GetTickCount() = 0;
    // Reads a REG_SZ (into text) or REG_DWORD (into number) value; type gets
    // the stored type. 0 = one of those two was read; 1 = anything else.
    virtual int QueryRegValue(const char* root, const char* subKey, const char* valueName, unsigned int& type,
                              std::string& text, int& number) = 0;
    // Deletes the value named by the last part of valuePath. 1 = root
    // recognised and deletion attempted; 0 = rejected.
    virtual int DeleteRegValue(const char* root, const char* valuePath) = 0;
    // Creates or opens a key (with missing parents). 1 = done; 0 = failure.
    virtual int CreateRegKey(const char* root, const char* subKey) = 0;
    // Deletes a key with its whole subtree. 1 = root recognised and deletion
    // attempted; 0 = rejected.
    virtual int DeleteRegKey(const char* root, const char* subKey) = 0;
    // Writes text (type REG_SZ, 1) or number (type REG_DWORD, 4) into an
    // existing key; the other data argument is unused. 0 = written; 1 = not.
    virtual int SetRegValue(const char* root, const char* subKey, const char* valueName, unsigned int type,
                            const char* text, int number) = 0;
    // Opens a document with its associated program, or offers Open With.
    // Result unused by callers.
    virtual int ShellOpen(const char* path) = 0;
    // Starts a program; empty application and working folder mean "take the
    // program from the command line". 0 = process created; 1 = not.
    virtual int Execute(const char* application, const char* commandLine, const char* workingFolder) = 0;
    // Opens an address in the default browser, with a fixed fallback.
    // Result unused by callers.
    virtual int OpenURL(const char* address) = 0;
    // Reads an INI value into value. 1 = a non-empty value was read; 0 = not.
    virtual int ReadINI(const char* file, const char* section, const char* key, std::string& value) = 0;
    // Writes an INI value (never deletes). 1 = written; 0 = failure.
    virtual int WriteINI(const char* section, const char* key, const char* value, const char* file) = 0;
    // Opens a folder or file with the shell. Always 0.
    virtual int OpenDir(const char* path) = 0;
    // Joins folder and file the shell's way into combined ("" if it does not
    // fit). 1 = combined; 0 = not (callers ignore it).
    virtual int PathCombine(const char* folder, const char* file, std::string& combined) = 0;
    // 1 = the path names an existing file or folder; 0 = not.
    virtual int QueryFileExists(const char* path) = 0;
    // Size of a file in bytes; -1 if it is missing or cannot be opened.
    virtual long long GetFileSize(const char* path) = 0;
    // The temporary folder, ending in a backslash. 1 = found; 0 = failure.
    virtual int GetSystemTempPath(std::string& path) = 0;
    // The user's desktop folder, ending in a backslash. 1 = found; 0 = failure.
    virtual int GetDesktopPath(std::string& path) = 0;
    // The user's documents folder, ending in a backslash. 1 = found; 0 = failure.
    virtual int GetDocumentPath(std::string& path) = 0;
    // Folder of the named module ("" or unloadable: the host program), ending
    // in a backslash. 1 = found; 0 = failure.
    virtual int GetModuleFilePath(const char* moduleName, std::string& folder) = 0;
    // Runs a library's self-registration. 1 = it succeeded; 0 = any failure.
    virtual int RegisterCOM(const char* libraryPath) = 0;
    // Runs a library's self-unregistration. 1 = it succeeded; 0 = any failure.
    virtual int UnRegisterCOM(const char* libraryPath) = 0;
    // Creates a folder with every missing parent. The Win32 error code;
    // 0 = created.
    virtual int CreateDir(const char* path) = 0;
    // Deletes a file. 1 = deleted; 0 = failure.
    virtual int DeletePathFile(const char* path) = 0;
    // Copies a file; failIfExists 1 keeps an existing destination.
    // 1 = copied; 0 = failure.
    virtual int CopyPathFile(const char* source, const char* destination, int failIfExists) = 0;
    // Sets a file's attribute mask; the outcome is not reported.
    virtual void SetFileAttributes(const char* path, unsigned int attributes) = 0;
    // Free bytes available to the caller on the path's volume into freeBytes,
    // -1 on failure. Always 0 (ignored).
    virtual int GetFreePartitionSpace(const char* path, long long& freeBytes) = 0;
    // Total bytes of the path's volume into totalBytes, -1 on failure.
    // Always 0 (ignored).
    virtual int GetPartitionSpace(const char* path, long long& totalBytes) = 0;
    // File-system name of the path's volume in capitals into fileSystem, ""
    // if unknown. Always 0 (ignored).
    virtual int GetDiskFormat(const char* path, std::string& fileSystem) = 0;
    // 1 = usable as a file name; 0 = not.
    virtual int IsValidFileName(const char* name) = 0;
    // 1 = no character that a path forbids; 0 = not.
    virtual int IsValidPath(const char* path) = 0;
    // The first line of text without characters a file name forbids, into
    // name. Always 0 (ignored).
    virtual int GetFileNameFromExtInfo(const char* text, std::string& name) = 0;
    // File-name stem and extension (without the dot) of path. Always 0
    // (ignored).
    virtual int SplitFileNameAndExt(const char* path, std::string& stem, std::string& extension) = 0;
    // Tells the shell that file associations changed, so icons are redrawn.
    virtual void RefreshIcon() = 0;
    // 1 = the key is down (through GetKeyState); 0 = not.
    virtual int IsKeyDown(int virtualKey) = 0;
    // The primary screen's work area into area. true = read; false = failure.
    virtual bool GetWorkArea(ShellRect& area) = 0;
    // Puts text on the clipboard as UTF-16. true = handed over; false = the
    // clipboard could not be opened or the memory not allocated.
    virtual bool CopyTextToClipBoard(const char* text) = 0;
    // Cursor position in screen coordinates into point. The Win32 result
    // (non-zero = read).
    virtual int GetCursorPos(ShellPoint& point) = 0;
    // Sets the stretched desktop wallpaper. S_OK, or the failing COM result
    // (E_FAIL without a path).
    virtual HRESULT SetDesktopWallpaper(const char* path) = 0;
    // Sets an existing named event; silent when it cannot be opened.
    virtual void SetNamedEvent(const char* name) = 0;
    // Copies length bytes of data and a terminating zero byte into an
    // existing named file mapping. Bytes written; -1 = not written.
    virtual long long WriteShareMemory(const char* name, const char* data, size_t length) = 0;
    // Starts playing a wave file without waiting; silent on any failure.
    virtual void PlaySound(const char* path) = 0;
    // Splits a time in seconds since 1970 into local time fields; all zero
    // when the time cannot be converted.
    virtual void FormatCrtTime(long long time, ShellTimeFields& fields) = 0;
    // Drive roots (C:\ ...) in drive-letter order into roots. true = listed;
    // false = the drive query failed.
    virtual bool GetLogicalDriveStrings(std::vector<std::string>& roots) = 0;
    // Drive type, volume label and sizes in GiB (one decimal, truncated) of a
    // drive root. false only for an empty root; true otherwise.
    virtual bool GetDriveInfo(const char* root, unsigned int& driveType, std::string& label, double& totalGiB,
                              double& freeGiB) = 0;
    // The shell's execute call with a named show command ("SW_..."; anything
    // else hides). 0 = succeeded; 1 = failed.
    virtual int ShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                             const char* workingFolder, const char* showCommand) = 0;
    // true = 8-bit text (CF_TEXT, also synthesised) is on the clipboard.
    virtual bool IsClipboardTextFormatAvailable() = 0;
    // Adds a global atom. The atom (16 bits, widened); 0 = failure.
    virtual unsigned int GlobalAddAtom(const char* name) = 0;
    // Releases a global atom (low 16 bits of atom). The Win32 result: 0 =
    // released; the atom itself = failure.
    virtual unsigned int GlobalDeleteAtom(unsigned int atom) = 0;
    // Registers a system-wide hot key for window. true = registered; false = not.
    virtual bool RegisterHotKey(HWND window, int id, unsigned int modifiers, unsigned int virtualKey) = 0;
    // Removes a hot key. true = removed; false = not.
    virtual bool UnregisterHotKey(HWND window, int id) = 0;
    // Primary screen size in pixels into width and height. Always true.
    virtual bool GetScreenSize(int& width, int& height) = 0;
    // The key's state word as the thread's queue sees it, sign-extended
    // (negative = down, bit 0 = toggled on).
    virtual int GetKeyState(int virtualKey) = 0;
    // Registers a clipboard format by name. The format identifier; 0 = failure.
    virtual unsigned int RegisterClipboardFormat(const char* name) = 0;
    // Length of text in UTF-16 units.
    virtual size_t GetStringLength(const char* text) = 0;
    // The first count UTF-16 units of text (count truncated towards zero)
    // into result. true = count in range; false = not (result stays empty).
    virtual bool GetSubString(const char* text, double count, std::string& result) = 0;
    // Forced shutdown and power-off, if the shutdown privilege can be
    // enabled. Result unused by callers.
    virtual int ShutDownMachine() = 0;
    // Forced logoff, if the shutdown privilege can be enabled. Result unused
    // by callers.
    virtual int LogOffMachine() = 0;
    // Renames or moves a file or folder; an existing target fails.
    // 1 = renamed; 0 = failure.
    virtual int Rename(const char* oldPath, const char* newPath) = 0;
    // Text read in the thread's ANSI code page. 1 = empty or white space
    // only; 0 = not.
    virtual int IsBlankString(const char* text) = 0;
    // 1 = the foreground window's client area covers the primary screen;
    // 0 = not (or the desktop is in front).
    virtual int IsNowFullScreen() = 0;
    // 1 = Windows 7 / Server 2008 R2 (version 6.1); 0 = any other version.
    virtual int IsWindows7() = 0;
    // 1 = the foreground window belongs to this process; 0 = not.
    virtual int IsZenthForeground() = 0;
    // 1 = window is visible to the user within area, or is no window at all;
    // 0 = hidden, minimised, off the work area or covered by another program.
    virtual int IsZenthOnUserFocus(HWND window, const ShellRect& area) = 0;
    // GB2312-capable font face names (UTF-16), in enumeration order, into
    // names. Always 1.
    virtual int GetSystemFontList(std::vector<std::wstring>& names) = 0;
    // Trims the process's working set. The Win32 result (non-zero = done).
    virtual int EmptyWorkingSet() = 0;
    // The key's hardware state word, sign-extended; non-zero = down now or
    // pressed since the last query.
    virtual int GetAsyncKeyState(int virtualKey) = 0;
    // 1 = the UI engine's host window of that identifier has no pop-up
    // active more recently than itself; 0 = not, or no such window.
    virtual int IsLastActivePopup(const char* hostWindowId) = 0;
    // true = the URL has a (non-HttpOnly) cookie of that name; false = not.
    virtual bool IsCookieExist(const char* url, const char* name) = 0;
};

class COSShell : public IOSShell {
public:
    int BrowserForFile(const char* title, const char* filter, std::string& fileName) override;
    void FileDialog(bool open, const char* filter, const char* defaultExt, const char* fileName,
                    std::string& path) override;
    void FolderDialog(const char* title, const char* initialFolder, std::string& path) override;
    void PostQuitMessage(int exitCode) override;
    void TerminateProcess(int exitCode) override;
    unsigned int GetTickCount() override;
    int QueryRegValue(const char* root, const char* subKey, const char* valueName, unsigned int& type,
                      std::string& text, int& number) override;
    int DeleteRegValue(const char* root, const char* valuePath) override;
    int CreateRegKey(const char* root, const char* subKey) override;
    int DeleteRegKey(const char* root, const char* subKey) override;
    int SetRegValue(const char* root, const char* subKey, const char* valueName, unsigned int type,
                    const char* text, int number) override;
    int ShellOpen(const char* path) override;
    int Execute(const char* application, const char* commandLine, const char* workingFolder) override;
    int OpenURL(const char* address) override;
    int ReadINI(const char* file, const char* section, const char* key, std::string& value) override;
    int WriteINI(const char* section, const char* key, const char* value, const char* file) override;
    int OpenDir(const char* path) override;
    int PathCombine(const char* folder, const char* file, std::string& combined) override;
    int QueryFileExists(const char* path) override;
    long long GetFileSize(const char* path) override;
    int GetSystemTempPath(std::string& path) override;
    int GetDesktopPath(std::string& path) override;
    int GetDocumentPath(std::string& path) override;
    int GetModuleFilePath(const char* moduleName, std::string& folder) override;
    int RegisterCOM(const char* libraryPath) override;
    int UnRegisterCOM(const char* libraryPath) override;
    int CreateDir(const char* path) override;
    int DeletePathFile(const char* path) override;
    int CopyPathFile(const char* source, const char* destination, int failIfExists) override;
    void SetFileAttributes(const char* path, unsigned int attributes) override;
    int GetFreePartitionSpace(const char* path, long long& freeBytes) override;
    int GetPartitionSpace(const char* path, long long& totalBytes) override;
    int GetDiskFormat(const char* path, std::string& fileSystem) override;
    int IsValidFileName(const char* name) override;
    int IsValidPath(const char* path) override;
    int GetFileNameFromExtInfo(const char* text, std::string& name) override;
    int SplitFileNameAndExt(const char* path, std::string& stem, std::string& extension) override;
    void RefreshIcon() override;
    int IsKeyDown(int virtualKey) override;
    bool GetWorkArea(ShellRect& area) override;
    bool CopyTextToClipBoard(const char* text) override;
    int GetCursorPos(ShellPoint& point) override;
    HRESULT SetDesktopWallpaper(const char* path) override;
    void SetNamedEvent(const char* name) override;
    long long WriteShareMemory(const char* name, const char* data, size_t length) override;
    void PlaySound(const char* path) override;
    void FormatCrtTime(long long time, ShellTimeFields& fields) override;
    bool GetLogicalDriveStrings(std::vector<std::string>& roots) override;
    bool GetDriveInfo(const char* root, unsigned int& driveType, std::string& label, double& totalGiB,
                      double& freeGiB) override;
    int ShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                     const char* workingFolder, const char* showCommand) override;
    bool IsClipboardTextFormatAvailable() override;
    unsigned int GlobalAddAtom(const char* name) override;
    unsigned int GlobalDeleteAtom(unsigned int atom) override;
    bool RegisterHotKey(HWND window, int id, unsigned int modifiers, unsigned int virtualKey) override;
    bool UnregisterHotKey(HWND window, int id) override;
    bool GetScreenSize(int& width, int& height) override;
    int GetKeyState(int virtualKey) override;
    unsigned int RegisterClipboardFormat(const char* name) override;
    size_t GetStringLength(const char* text) override;
    bool GetSubString(const char* text, double count, std::string& result) override;
    int ShutDownMachine() override;
    int LogOffMachine() override;
    int Rename(const char* oldPath, const char* newPath) override;
    int IsBlankString(const char* text) override;
    int IsNowFullScreen() override;
    int IsWindows7() override;
    int IsZenthForeground() override;
    int IsZenthOnUserFocus(HWND window, const ShellRect& area) override;
    int GetSystemFontList(std::vector<std::wstring>& names) override;
    int EmptyWorkingSet() override;
    int GetAsyncKeyState(int virtualKey) override;
    int IsLastActivePopup(const char* hostWindowId) override;
    bool IsCookieExist(const char* url, const char* name) override;
};
