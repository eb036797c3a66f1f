// Fixtures shared by the test programs: temporary folders, child processes,
// the debugger channel and the folder the binaries live in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "qv/owners.h"

namespace qvtest {

// Folder of the running test program: every built binary sits beside it.
std::wstring BinDir();
std::wstring BinPath(const std::wstring& fileName);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// A fresh folder under %TEMP%, removed with everything in it at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& path() const { return path_; }
    // path() + "\" + relative
    std::wstring operator/(const std::wstring& relative) const;

private:
    std::wstring path_;
};

// Removes a folder tree; links to folders are not descended into. Wine
// deletes the target of a Unix link named here, so a test that makes links
// removes them itself first.
void RemoveTree(const std::wstring& path);
bool WriteTextFile(const std::wstring& path, const std::string& bytes);
bool ReadTextFile(const std::wstring& path, std::string* bytes);
bool FileExists(const std::wstring& path);

struct ChildProcess {
    qv::UniqueHandle process;
    DWORD pid = 0;
};

// Starts `commandLine` (program and arguments, quoted as the caller wants)
// in `workDir` (empty: inherit). Returns an empty handle on failure.
ChildProcess StartProcess(const std::wstring& commandLine, const std::wstring& workDir = L"");

// Waits up to `timeoutMs`; returns the exit code, or -1 after terminating a
// child that did not end in time (no child outlives its test).
long WaitExit(ChildProcess& child, DWORD timeoutMs = 30000);

// Start and wait in one step.
long RunProcess(const std::wstring& commandLine, const std::wstring& workDir = L"", DWORD timeoutMs = 30000);

// The same, collecting what the child writes to stdout and stderr together.
long RunProcessWithOutput(const std::wstring& commandLine, std::string* output, DWORD timeoutMs = 30000);

// Collects OutputDebugString text of every process while it lives (the
// system-wide DBWIN buffer), for tests of components that trace.
class DebugOutputCapture {
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;
    bool ok() const { return thread_.valid(); }
    // The lines written so far by process `pid` (0: every process), as
    // the bytes OutputDebugStringA received (W text arrives converted).
    std::vector<std::string> Lines(DWORD pid = 0) const;
    // Waits until a line containing `needle` arrives or `timeoutMs` passes.
    bool WaitFor(const std::string& needle, DWORD timeoutMs = 5000) const;

private:
    static DWORD WINAPI Listen(void* self);
    qv::UniqueHandle bufferReady_, dataReady_, mapping_, stop_, thread_;
    void* view_ = nullptr;
    mutable CRITICAL_SECTION lock_;
    std::vector<std::pair<DWORD, std::string>> lines_;
};

}  // namespace qvtest
