// Listens on the system-wide DBWIN buffer, where OutputDebugString writes
// when no debugger is attached to the writing process.
#include <cstring>

#include "qvtest/support.h"

namespace qvtest {

namespace {
struct DbWinBuffer {
    DWORD pid;
    char text[4096 - sizeof(DWORD)];
};
}  // namespace

DebugOutputCapture::DebugOutputCapture() {
    ::InitializeCriticalSection(&lock_);
    bufferReady_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY"));
    dataReady_.reset(::CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY"));
    mapping_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(DbWinBuffer),
                                        L"DBWIN_BUFFER"));
    stop_.reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!bufferReady_ || !dataReady_ || !mapping_ || !stop_) return;
    view_ = ::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, sizeof(DbWinBuffer));
    if (!view_) return;
    thread_.reset(::CreateThread(nullptr, 0, Listen, this, 0, nullptr));
}

DebugOutputCapture::~DebugOutputCapture() {
    if (thread_) {
        ::SetEvent(stop_.get());
        ::WaitForSingleObject(thread_.get(), INFINITE);
    }
    if (view_) ::UnmapViewOfFile(view_);
    ::DeleteCriticalSection(&lock_);
}

DWORD WINAPI DebugOutputCapture::Listen(void* self) {
    auto* capture = static_cast<DebugOutputCapture*>(self);
    const auto* buffer = static_cast<const DbWinBuffer*>(capture->view_);
    HANDLE waits[2] = {capture->dataReady_.get(), capture->stop_.get()};
    ::SetEvent(capture->bufferReady_.get());
    for (;;) {
        if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) return 0;
        std::string text(buffer->text, strnlen(buffer->text, sizeof buffer->text));
        ::EnterCriticalSection(&capture->lock_);
        capture->lines_.emplace_back(buffer->pid, std::move(text));
        ::LeaveCriticalSection(&capture->lock_);
        ::SetEvent(capture->bufferReady_.get());
    }
}

std::vector<std::string> DebugOutputCapture::Lines(DWORD pid) const {
    std::vector<std::string> out;
    ::EnterCriticalSection(&lock_);
    for (const auto& line : lines_)
        if (pid == 0 || line.first == pid) out.push_back(line.second);
    ::LeaveCriticalSection(&lock_);
    return out;
}

bool DebugOutputCapture::WaitFor(const std::string& needle, DWORD timeoutMs) const {
    const DWORD start = ::GetTickCount();
    for (;;) {
        for (const std::string& line : Lines())
            if (line.find(needle) != std::string::npos) return true;
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(10);
    }
}

}  // namespace qvtest
