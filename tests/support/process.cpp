#include <vector>

#include "qvtest/support.h"

namespace qvtest {

ChildProcess StartProcess(const std::wstring& commandLine, const std::wstring& workDir) {
    ChildProcess child;
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.empty() ? nullptr : workDir.c_str(), &startup, &info))
        return child;
    ::CloseHandle(info.hThread);
    child.process.reset(info.hProcess);
    child.pid = info.dwProcessId;
    return child;
}

long WaitExit(ChildProcess& child, DWORD timeoutMs) {
    if (!child.process) return -1;
    if (::WaitForSingleObject(child.process.get(), timeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(child.process.get(), 1);
        ::WaitForSingleObject(child.process.get(), 5000);
        child.process.reset();
        return -1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(child.process.get(), &code);
    child.process.reset();
    return static_cast<long>(code);
}

long RunProcess(const std::wstring& commandLine, const std::wstring& workDir, DWORD timeoutMs) {
    ChildProcess child = StartProcess(commandLine, workDir);
    return WaitExit(child, timeoutMs);
}

long RunProcessWithOutput(const std::wstring& commandLine, std::string* output, DWORD timeoutMs) {
    output->clear();
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    qv::UniqueHandle readEnd, writeEnd;
    if (!::CreatePipe(readEnd.put(), writeEnd.put(), &inherit, 0)) return -1;
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    ::CloseHandle(info.hThread);
    ChildProcess child;
    child.process.reset(info.hProcess);
    child.pid = info.dwProcessId;
    writeEnd.reset();  // the pipe ends when the child's copy closes

    // Read until the child has ended and the pipe is empty; never wait for
    // the pipe's end, which a process the child started may hold open.
    const DWORD start = ::GetTickCount();
    for (;;) {
        const bool ended = ::WaitForSingleObject(child.process.get(), 0) == WAIT_OBJECT_0;
        DWORD available = 0;
        if (!::PeekNamedPipe(readEnd.get(), nullptr, 0, nullptr, &available, nullptr)) break;
        if (available > 0) {
            char buffer[4096];
            DWORD got = 0;
            if (!::ReadFile(readEnd.get(), buffer, sizeof buffer, &got, nullptr)) break;
            output->append(buffer, got);
            continue;
        }
        if (ended || ::GetTickCount() - start >= timeoutMs) break;
        ::Sleep(5);
    }
    return WaitExit(child, 0);
}

}  // namespace qvtest
