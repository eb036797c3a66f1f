#include "refitter_fixture.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <functional>
#include <sstream>

namespace refitter_test {

const wchar_t kCaption[] = L"Qoravel\u6E38\u620F\u5927\u5385";
const wchar_t kScriptMissingText[] =
    L"\u5F88\u62B1\u6B49\uFF0C\u81EA\u52A8\u5347\u7EA7\u8FC7\u7A0B\u51FA\u73B0\u9519\u8BEF\uFF0C\u8BF7\u91CD\u8BD5"
    L"\u6216\u5230\u5B98\u65B9\u7F51\u7AD9\u4E0B\u8F7D\u6700\u65B0\u5B89\u88C5\u5305\uFF01";
const wchar_t kAlreadyRunningText[] =
    L"\u5F88\u62B1\u6B49\uFF0C\u81EA\u52A8\u5347\u7EA7\u8FC7\u7A0B\u51FA\u73B0\u9519\u8BEF\uFF0C\u8BF7\u91CD\u8BD5"
    L"\uFF01";
const wchar_t kMutexName[] = L"lumbra_update_mutex_{6792EE4D-2987-4d77-B24D-5F2B0F0E1FCF}";

bool WriteScript(const std::wstring& path, const std::vector<IniEntry>& entries) {
    // A byte-order mark first, so that the profile calls keep the file UTF-16.
    if (!qvtest::WriteTextFile(path, "\xFF\xFE")) return false;
    for (const IniEntry& e : entries) {
        if (!::WritePrivateProfileStringW(e.section.c_str(), e.key.c_str(), e.value.c_str(), path.c_str()))
            return false;
    }
    return true;
}

std::wstring IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
    wchar_t value[4096];
    ::GetPrivateProfileStringW(section, key, L"<absent>", value, ARRAYSIZE(value), path.c_str());
    return value;
}

bool SectionExists(const std::wstring& path, const wchar_t* section) {
    wchar_t names[8192] = {};
    const DWORD n = ::GetPrivateProfileSectionNamesW(names, ARRAYSIZE(names), path.c_str());
    for (const wchar_t* p = names; p < names + n && *p; p += wcslen(p) + 1) {
        if (_wcsicmp(p, section) == 0) return true;
    }
    return false;
}

std::string FileText(const std::wstring& path) {
    std::string text;
    return qvtest::ReadTextFile(path, &text) ? text : "<missing>";
}

std::string Utf8(const std::wstring& text) {
    return qvtest::Narrow(text);
}

bool SamePath(const std::string& a, const std::wstring& b) {
    const std::wstring wide = qvtest::Widen(a);
    return ::CompareStringOrdinal(wide.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::vector<Record> ReadRecords(const std::wstring& path) {
    std::vector<Record> records;
    std::string text;
    if (!qvtest::ReadTextFile(path, &text)) return records;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        Record r;
        r.event = fields[0];
        if (fields.size() > 1) r.label = fields[1];
        if (fields.size() > 2) r.pid = std::strtoul(fields[2].c_str(), nullptr, 10);
        if (fields.size() > 3) r.workDir = fields[3];
        if (fields.size() > 4) r.parentImage = fields[4];
        if (fields.size() > 5) r.parentCommandLine = fields[5];
        for (std::size_t i = 6; i < fields.size(); ++i) r.args.push_back(fields[i]);
        records.push_back(r);
    }
    return records;
}

std::vector<std::string> Events(const std::vector<Record>& records) {
    std::vector<std::string> events;
    for (const Record& r : records) events.push_back(r.event + " " + r.label);
    return events;
}

// ---------------------------------------------------------------------------

ProcessTree::ProcessTree(const std::wstring& commandLine, const std::wstring& workDir) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.empty() ? nullptr : workDir.c_str(), &startup, &info)) {
        return;
    }
    ::CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    qv::UniqueHandle again(
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid_));
    known_.push_back({pid_, std::move(again)});
}

ProcessTree::~ProcessTree() {
    if (process_) WaitTreeEnded(0);
}

long ProcessTree::WaitExit(DWORD timeoutMs) {
    if (!process_) return -1;
    if (::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return static_cast<long>(code);
}

namespace {

ULONGLONG CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// Wine may start its desktop process (explorer) for the first window of a
// session; it lives on and is not part of what a test started. Everything
// else is waited for, the consoles Wine opens for hidden programs included:
// they hold their program's working folder until they end.
bool IsDesktopProcess(HANDLE process) {
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (!::QueryFullProcessImageNameW(process, 0, image, &size)) return false;
    const wchar_t* name = wcsrchr(image, L'\\');
    return name && _wcsicmp(name + 1, L"explorer.exe") == 0;
}

}  // namespace

bool ProcessTree::Discover() {
    qv::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    bool added = false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more; more = ::Process32NextW(snapshot.get(), &entry)) {
        bool known = false;
        const Known* parent = nullptr;
        for (const Known& k : known_) {
            if (k.pid == entry.th32ProcessID) known = true;
            if (k.pid == entry.th32ParentProcessID) parent = &k;
        }
        if (known || !parent) continue;
        qv::UniqueHandle child(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE,
                                             entry.th32ProcessID));
        // The parent's handle is held, so its id names it alone; a child
        // must also be younger than it.
        if (!child || CreationTime(child.get()) < CreationTime(parent->process.get()) || IsDesktopProcess(child.get()))
            continue;
        known_.push_back({entry.th32ProcessID, std::move(child)});
        added = true;
    }
    return added;
}

bool ProcessTree::WaitTreeEnded(DWORD timeoutMs) {
    const ULONGLONG start = ::GetTickCount64();
    for (;;) {
        Discover();
        bool running = false;
        for (const Known& k : known_) running = running || ::WaitForSingleObject(k.process.get(), 0) == WAIT_TIMEOUT;
        // A program may have started another just before it ended.
        if (!running && !Discover()) return true;
        if (running && ::GetTickCount64() - start >= timeoutMs) {
            for (const Known& k : known_) ::TerminateProcess(k.process.get(), 1);
            for (const Known& k : known_) ::WaitForSingleObject(k.process.get(), 5000);
            return false;
        }
        ::Sleep(50);
    }
}

std::wstring RefitterCommand(const std::wstring& arguments) {
    return L"\"" + qvtest::BinPath(L"Refitter.exe") + L"\" " + arguments;
}

bool TakeMessage(const ProcessTree& tree, std::wstring* text, DWORD timeoutMs) {
    text->clear();
    const ULONGLONG start = ::GetTickCount64();
    while (::GetTickCount64() - start < timeoutMs) {
        for (HWND box = ::FindWindowExW(nullptr, nullptr, L"#32770", kCaption); box;
             box = ::FindWindowExW(nullptr, box, L"#32770", kCaption)) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(box, &owner);
            if (owner != tree.pid()) continue;
            wchar_t buffer[1024] = {};
            ::GetDlgItemTextW(box, 0xFFFF, buffer, ARRAYSIZE(buffer));
            *text = buffer;
            ::SendMessageW(box, WM_COMMAND, IDOK, 0);
            return true;
        }
        if (::WaitForSingleObject(tree.process(), 0) == WAIT_OBJECT_0) return false;
        ::Sleep(50);
    }
    return false;
}

qvtest::ChildProcess StartProbe(const std::wstring& record, const std::wstring& label, DWORD sleepMs, int exitCode) {
    return qvtest::StartProcess(L"\"" + qvtest::BinPath(L"refitter_probe.exe") + L"\" \"" + record + L"\" " + label +
                                L" " + std::to_wstring(sleepMs) + L" " + std::to_wstring(exitCode));
}

bool StillRunning(const qvtest::ChildProcess& child, DWORD* exitCode) {
    if (::WaitForSingleObject(child.process.get(), 0) == WAIT_TIMEOUT) return true;
    DWORD code = 0;
    ::GetExitCodeProcess(child.process.get(), &code);
    if (exitCode) *exitCode = code;
    return false;
}

EndedProcess::EndedProcess()
    : child_(qvtest::StartProcess(L"\"" + qvtest::BinPath(L"refitter_probe.exe") + L"\" NUL ended 0 3")) {
    if (child_.process) ::WaitForSingleObject(child_.process.get(), 20000);
}

// ---------------------------------------------------------------------------

namespace {

// The Unix name of a Windows path (Wine only); empty elsewhere.
std::string UnixPath(const std::wstring& path) {
    using ToUnix = char*(CDECL*)(const wchar_t*);
    auto toUnix =
        reinterpret_cast<ToUnix>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (!toUnix) return std::string();
    char* name = toUnix(path.c_str());
    if (!name) return std::string();
    std::string out = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return out;
}

// The Unix name of a path whose last part need not exist yet.
std::string UnixPathOfNew(const std::wstring& path) {
    const std::size_t at = path.find_last_of(L"\\/");
    const std::string folder = UnixPath(path.substr(0, at));
    return folder.empty() ? folder : folder + "/" + Utf8(path.substr(at + 1));
}

// Runs a Unix program (Wine starts ELF binaries named by their Unix path)
// and waits until `done` says its work shows. Wine returns no handles for
// such a program, so its effect is what is waited for.
bool RunUnix(const std::string& commandLine, const std::function<bool()>& done) {
    std::vector<wchar_t> line;
    for (wchar_t c : qvtest::Widen(commandLine)) line.push_back(c);
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    // Whatever came back is no process handle to wait on or close.
    for (int i = 0; i < 100; ++i) {
        if (done()) return true;
        ::Sleep(50);
    }
    return false;
}

bool Missing(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

UnixLink::UnixLink(const std::wstring& target, const std::wstring& link) : link_(link) {
    const std::string unixTarget = UnixPath(target);
    const std::string unixLink = UnixPathOfNew(link);
    if (unixTarget.empty() || unixLink.empty() || !Missing(link)) return;
    ok_ = RunUnix("/bin/ln -s " + Quoted(unixTarget) + " " + Quoted(unixLink), [&] { return !Missing(link); });
    if (ok_) unixLink_ = unixLink;
}

UnixLink::~UnixLink() {
    // Windows code cannot remove a Unix link without touching its target.
    if (!unixLink_.empty()) RunUnix("/bin/rm -f " + Quoted(unixLink_), [this] { return Missing(link_); });
}

TemporaryDrive::TemporaryDrive(const std::wstring& folder) {
    // dosdevices holds one link per drive: "c:" -> ../drive_c.
    std::string dosdevices = UnixPath(L"C:\\");
    const std::string suffix = "c:/";
    if (dosdevices.size() <= suffix.size() || dosdevices.compare(dosdevices.size() - 3, 3, suffix) != 0) return;
    dosdevices.resize(dosdevices.size() - suffix.size());
    const std::string target = UnixPath(folder);
    if (target.empty()) return;
    const std::wstring marker = L"drive-marker-" + std::to_wstring(::GetCurrentProcessId());
    if (!qvtest::WriteTextFile(folder + L"\\" + marker, "")) return;
    for (wchar_t letter = L'R'; letter <= L'Y'; ++letter) {
        const wchar_t root[] = {letter, L':', L'\\', 0};
        if (::GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR) continue;
        const std::string entry = dosdevices + static_cast<char>(letter - L'A' + 'a') + ":";
        // Only a drive that shows this folder's marker is ours to remove: an
        // entry that was already there (a dangling link) stays.
        const std::wstring markerOnDrive = std::wstring(root) + marker;
        if (!RunUnix("/bin/ln -s " + Quoted(target) + " " + Quoted(entry), [&] { return !Missing(markerOnDrive); }))
            continue;
        unixEntry_ = entry;
        letter_ = letter;
        return;
    }
}

TemporaryDrive::~TemporaryDrive() {
    const wchar_t root[] = {letter_, L':', L'\\', 0};
    if (!unixEntry_.empty()) RunUnix("/bin/rm -f " + Quoted(unixEntry_), [&] { return Missing(root); });
}

// ---------------------------------------------------------------------------

Sandbox::Sandbox() = default;

void Sandbox::MakeFolder(const std::wstring& relative) const {
    ::CreateDirectoryW((dir_ / relative).c_str(), nullptr);
}

void Sandbox::MakeFile(const std::wstring& relative, const std::string& text) const {
    qvtest::WriteTextFile(dir_ / relative, text);
}

void Sandbox::PlaceProbe(const std::wstring& relative) const {
    ::CopyFileW(qvtest::BinPath(L"refitter_probe.exe").c_str(), (dir_ / relative).c_str(), FALSE);
}

namespace {

void ListInto(const std::wstring& folder, const std::wstring& shown, std::string* out) {
    WIN32_FIND_DATAW found;
    qv::UniqueFind find(::FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!find) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        *out += Utf8(shown + L"\\" + name) + "\n";
        const bool descend = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                             !(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (descend) ListInto(folder + L"\\" + name, shown + L"\\" + name, out);
    } while (::FindNextFileW(find.get(), &found));
}

}  // namespace

std::string Sandbox::Listing(const std::wstring& relative) const {
    std::string out;
    ListInto(dir_ / relative, relative, &out);
    return out;
}

bool Sandbox::Link(const std::wstring& targetRelative, const std::wstring& linkRelative) {
    links_.push_back(std::make_unique<UnixLink>(dir_ / targetRelative, dir_ / linkRelative));
    return links_.back()->ok();
}

}  // namespace refitter_test
