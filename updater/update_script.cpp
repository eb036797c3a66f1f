#include "update_script.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <vector>

#include "command_line.h"
#include "file_copy.h"
#include "folder_tree.h"
#include "profile.h"
#include "qv/owners.h"

namespace refitter {

namespace {

const wchar_t kBasicInfo[] = L"BasicInfo";
const wchar_t kPackInstall[] = L"PackInstall";
const wchar_t kFileReplace[] = L"FileReplace";

std::wstring EntryKey(int n, const wchar_t* field) {
    return L"file_" + std::to_wstring(n) + L'.' + field;
}

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// Starts one package and waits for it to end, without limit: an installer may
// rightly take long. No error dialog: nobody may be there to close it.
void RunPackage(const std::wstring& file, const std::wstring& folder, const std::wstring& parameters) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(parameters);
    info.lpDirectory = OrNull(folder);
    info.nShow = SW_HIDE;
    if (!::ShellExecuteExW(&info)) return;
    // A document opened by a running program gives no process to wait for.
    qv::UniqueHandle process(info.hProcess);
    if (process) ::WaitForSingleObject(process.get(), INFINITE);
}

void RunPackages(const std::wstring& script) {
    for (int n = 0;; ++n) {
        const std::wstring src = ReadProfileText(script, kPackInstall, EntryKey(n, L"src"));
        const std::wstring dst = ReadProfileText(script, kPackInstall, EntryKey(n, L"dst"));
        const std::wstring param = ReadProfileText(script, kPackInstall, EntryKey(n, L"param"));
        if (src.empty()) return;
        RunPackage(src, dst, param);
    }
}

void ReplaceFiles(const std::wstring& script) {
    for (int n = 0;; ++n) {
        const std::wstring src = ReadProfileText(script, kFileReplace, EntryKey(n, L"src"));
        const std::wstring dst = ReadProfileText(script, kFileReplace, EntryKey(n, L"dst"));
        if (src.empty()) return;
        if (dst.empty()) continue;
        CopyReplacing(src, dst);
    }
}

// Starts the client again in its own folder; it is not waited for.
void LaunchClient(const BasicInfo& info) {
    std::vector<wchar_t> folder(info.launchExePath.begin(), info.launchExePath.end());
    folder.push_back(L'\0');
    ::PathRemoveFileSpecW(folder.data());
    ::ShellExecuteW(nullptr, L"open", info.launchExePath.c_str(), info.launchExeParam.c_str(), folder.data(),
                    SW_SHOWNORMAL);
}

}  // namespace

BasicInfo ReadBasicInfo(const std::wstring& script) {
    BasicInfo info;
    info.destPath = ReadProfileText(script, kBasicInfo, L"DestPath");
    info.tempPath = ReadProfileText(script, kBasicInfo, L"TempPath");
    info.downloadPath = ReadProfileText(script, kBasicInfo, L"DownloadPath");
    info.unpackPath = ReadProfileText(script, kBasicInfo, L"UnpackPath");
    info.flag = DecimalToInt(ReadProfileText(script, kBasicInfo, L"Flag", L"0"));
    info.launchExePath = ReadProfileText(script, kBasicInfo, L"LaunchExePath");
    info.launchExeParam = ReadProfileText(script, kBasicInfo, L"LaunchExeParam");
    return info;
}

void ApplyUpdateScript(const std::wstring& script, const BasicInfo& info) {
    RunPackages(script);
    ReplaceFiles(script);
    if (info.flag > 0) LaunchClient(info);
    if (!info.unpackPath.empty()) DeleteFolderTree(info.unpackPath);
    EraseProfileSection(script, kBasicInfo);
    EraseProfileSection(script, kPackInstall);
    EraseProfileSection(script, kFileReplace);
}

}  // namespace refitter
