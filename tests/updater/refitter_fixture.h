// What the Refitter tests share: update scripts, the process tree of one
// run, its message boxes, the probe's record file, and links and drives
// made through the Unix side of Wine.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "qv/owners.h"
#include "qvtest/support.h"

namespace refitter_test {

// The system's own texts, written with escapes so that the tests check the
// bytes the product was compiled with.
extern const wchar_t kCaption[];
extern const wchar_t kScriptMissingText[];
extern const wchar_t kAlreadyRunningText[];
extern const wchar_t kMutexName[];

struct IniEntry {
    std::wstring section, key, value;
};

// A new UTF-16 script holding `entries`, written with the profile calls.
bool WriteScript(const std::wstring& path, const std::vector<IniEntry>& entries);
// The value, or "<absent>".
std::wstring IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key);
bool SectionExists(const std::wstring& path, const wchar_t* section);
std::string FileText(const std::wstring& path);  // "<missing>" when absent
// Windows text as the probe records it (UTF-8).
std::string Utf8(const std::wstring& text);
bool SamePath(const std::string& a, const std::wstring& b);

// One line of the probe's record file.
struct Record {
    std::string event;  // "start" or "end"
    std::string label;
    unsigned long pid = 0;
    std::string workDir, parentImage, parentCommandLine;
    std::vector<std::string> args;  // from the probe's third argument on
};
std::vector<Record> ReadRecords(const std::wstring& path);
// "start pkg0", "end pkg0", ... in file order.
std::vector<std::string> Events(const std::vector<Record>& records);

// A program and everything it starts (its descendants, found by parent id
// while their parents are held open), so that the tests can wait for the
// whole tree and leave nothing behind.
class ProcessTree {
public:
    ProcessTree(const std::wstring& commandLine, const std::wstring& workDir = L"");
    ~ProcessTree();
    ProcessTree(const ProcessTree&) = delete;
    ProcessTree& operator=(const ProcessTree&) = delete;
    bool started() const { return process_.valid(); }
    DWORD pid() const { return pid_; }
    HANDLE process() const { return process_.get(); }
    // The first program's exit code, or -1 when it had to be terminated.
    long WaitExit(DWORD timeoutMs = 20000);
    // Waits until every program of the tree has ended (Wine's desktop
    // process aside) and terminates the rest after `timeoutMs`. True when
    // they all ended by themselves.
    bool WaitTreeEnded(DWORD timeoutMs = 30000);

private:
    struct Known {
        DWORD pid;
        qv::UniqueHandle process;
    };
    // Adds the children of known programs; true when it found any.
    bool Discover();

    qv::UniqueHandle process_;
    DWORD pid_ = 0;
    std::vector<Known> known_;
};

// "Refitter.exe" from the test folder followed by `arguments`.
std::wstring RefitterCommand(const std::wstring& arguments);

// Waits for a message box with Refitter's caption shown by process `pid`,
// reads its text and closes it. False when none came before the process
// ended or `timeoutMs` passed.
bool TakeMessage(const ProcessTree& tree, std::wstring* text, DWORD timeoutMs = 20000);

// The probe standing in for the client, started directly by the test.
qvtest::ChildProcess StartProbe(const std::wstring& record, const std::wstring& label, DWORD sleepMs, int exitCode = 0);
// True while `child` runs; otherwise its exit code goes to `exitCode`.
bool StillRunning(const qvtest::ChildProcess& child, DWORD* exitCode = nullptr);

// A process that has ended, still held so that its id cannot be reused: a
// target Refitter can safely wait for.
class EndedProcess {
public:
    EndedProcess();
    DWORD pid() const { return child_.pid; }

private:
    qvtest::ChildProcess child_;
};

// A symbolic link made on the Unix side (Wine's CreateSymbolicLinkW does
// nothing); Windows code sees a folder link as a reparse point. Removed on
// the Unix side at destruction, without touching its target.
class UnixLink {
public:
    UnixLink(const std::wstring& target, const std::wstring& link);
    ~UnixLink();
    bool ok() const { return ok_; }

private:
    std::wstring link_;
    std::string unixLink_;
    bool ok_ = false;
};

// A drive letter mapped to `folder` for the object's lifetime, through the
// prefix's dosdevices folder.
class TemporaryDrive {
public:
    explicit TemporaryDrive(const std::wstring& folder);
    ~TemporaryDrive();
    bool ok() const { return letter_ != 0; }
    wchar_t letter() const { return letter_; }

private:
    std::string unixEntry_;
    wchar_t letter_ = 0;
};

// A fresh folder for one update: sandbox/<relative>, the probe's record
// file and the links made in it (removed before the folder).
class Sandbox {
public:
    Sandbox();
    std::wstring operator/(const std::wstring& relative) const { return dir_ / relative; }
    const std::wstring& path() const { return dir_.path(); }
    std::wstring record() const { return dir_ / L"record.txt"; }
    void MakeFolder(const std::wstring& relative) const;
    void MakeFile(const std::wstring& relative, const std::string& text) const;
    // Copies the probe to `relative` (a stand-in client or package).
    void PlaceProbe(const std::wstring& relative) const;
    bool Link(const std::wstring& targetRelative, const std::wstring& linkRelative);
    bool Exists(const std::wstring& relative) const { return qvtest::FileExists(dir_ / relative); }
    // Everything under `relative`, one path a line, for failure messages.
    std::string Listing(const std::wstring& relative) const;
    std::vector<Record> Records() const { return ReadRecords(record()); }

private:
    qvtest::TempDir dir_;
    std::vector<std::unique_ptr<UnixLink>> links_;  // destroyed before dir_
};

}  // namespace refitter_test
