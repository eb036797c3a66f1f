// Stands in for the client and for installer packages in the Refitter tests.
// Usage: refitter_probe <record file> <label> [sleep ms] [exit code] [more...]
// Appends one "start" line (label, its process id, working folder, the
// parent's image and command line, its own arguments from the third on) and,
// after sleeping, one "end" line to the record file, as tab-separated UTF-8,
// then exits with the exit code given.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <string>
#include <vector>

#include "qv/owners.h"

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

DWORD ParentProcessId() {
    qv::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == ::GetCurrentProcessId()) return entry.th32ParentProcessID;
    }
    return 0;
}

std::wstring ImagePath(HANDLE process) {
    wchar_t path[32768];
    DWORD size = ARRAYSIZE(path);
    return ::QueryFullProcessImageNameW(process, 0, path, &size) ? std::wstring(path, size) : std::wstring();
}

// Another process's command line, read from its process parameters.
std::wstring CommandLineOf(HANDLE process) {
    using QueryFn = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query =
        reinterpret_cast<QueryFn>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess"));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return L"";
    PEB peb{};
    RTL_USER_PROCESS_PARAMETERS parameters{};
    if (!::ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
        !::ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
        return L"";
    }
    std::wstring text(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    if (!text.empty() && !::ReadProcessMemory(process, parameters.CommandLine.Buffer, &text[0],
                                              parameters.CommandLine.Length, nullptr)) {
        return L"";
    }
    return text;
}

void Append(const std::wstring& recordFile, const std::string& line) {
    qv::UniqueHandle file(::CreateFileW(recordFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace

int main() {
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    qv::UniqueLocal owner(argv);
    if (!argv || count < 3) return 2;
    const std::wstring record = argv[1];
    const std::wstring label = argv[2];
    const DWORD sleepMs = count > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 0;
    const int exitCode = count > 4 ? _wtoi(argv[4]) : 0;

    wchar_t cwd[32768] = L"";
    ::GetCurrentDirectoryW(ARRAYSIZE(cwd), cwd);
    std::wstring parentImage, parentCommandLine;
    qv::UniqueHandle parent(::OpenProcess(
        PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, ParentProcessId()));
    if (parent) {
        parentImage = ImagePath(parent.get());
        parentCommandLine = CommandLineOf(parent.get());
    }
    std::string line = "start\t" + Utf8(label) + '\t' + std::to_string(::GetCurrentProcessId()) + '\t' + Utf8(cwd) +
                       '\t' + Utf8(parentImage) + '\t' + Utf8(parentCommandLine);
    for (int i = 3; i < count; ++i) line += '\t' + Utf8(argv[i]);
    Append(record, line + '\n');

    ::Sleep(sleepMs);
    Append(record, "end\t" + Utf8(label) + '\n');
    return exitCode;
}
