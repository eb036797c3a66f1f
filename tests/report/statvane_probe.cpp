// Loads Statvane.dll from the path it is given and calls one export, as the
// client would. Used by the tests (from folders of their choosing) and the demo.
//
//   statvane_probe <Statvane.dll> report <url>          prints "result <n>"
//   statvane_probe <Statvane.dll> peerid                 prints the identifier
//   statvane_probe <Statvane.dll> peerid <count> <out>   writes the buffer
//   statvane_probe <Statvane.dll> peerid null <count>    passes a null buffer
//   statvane_probe <Statvane.dll> time                   prints "time <n>"
//
// For "peerid <count> <out>" the buffer holds count + 4 characters, all '~'
// before the call; all of it goes to <out> as raw UTF-16, so a test sees what
// was written, what was not and whether a terminator came.
//
// Exit codes: 0 done, 2 bad arguments, 3 Statvane or an export missing,
// 4 nodemark.dll still loaded after GetPeerIDW returned, 5 <out> not written.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "statvane_library.h"

namespace {

constexpr int kDone = 0;
constexpr int kBadArguments = 2;
constexpr int kNoLibrary = 3;
constexpr int kSiblingStillLoaded = 4;
constexpr int kNotWritten = 5;
constexpr std::int32_t kSlack = 4;

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], bytes, nullptr, nullptr);
    return out;
}

bool WriteBytes(const std::wstring& path, const void* data, std::size_t size) {
    qv::UniqueHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

int SiblingState() {
    return ::GetModuleHandleW(L"nodemark.dll") != nullptr ? kSiblingStillLoaded : kDone;
}

int PeerIdToFile(const statvane_test::StatvaneLibrary& statvane, std::int32_t count, const std::wstring& out) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(count > 0 ? count : 0) + kSlack, L'~');
    statvane.GetPeerIDW(buffer.data(), count);
    if (!WriteBytes(out, buffer.data(), buffer.size() * sizeof(wchar_t))) return kNotWritten;
    return SiblingState();
}

int PeerIdToConsole(const statvane_test::StatvaneLibrary& statvane) {
    wchar_t buffer[65 + kSlack] = {};
    statvane.GetPeerIDW(buffer, 65);
    std::printf("%s\n", Utf8(buffer).c_str());
    return SiblingState();
}

int Run(int argc, wchar_t** argv) {
    if (argc < 3) return kBadArguments;
    const statvane_test::StatvaneLibrary statvane = statvane_test::LoadStatvane(argv[1]);
    if (!statvane.ok()) return kNoLibrary;
    const std::wstring command = argv[2];
    if (command == L"report" && argc == 4) {
        std::printf("result %d\n", static_cast<int>(statvane.ReportInstallStatW(argv[3])));
        return kDone;
    }
    if (command == L"time" && argc == 3) {
        std::printf("time %ld\n", static_cast<long>(statvane.GetTime()));
        return kDone;
    }
    if (command == L"peerid" && argc == 3) return PeerIdToConsole(statvane);
    if (command == L"peerid" && argc == 5 && std::wstring(argv[3]) == L"null") {
        statvane.GetPeerIDW(nullptr, static_cast<std::int32_t>(std::wcstol(argv[4], nullptr, 10)));
        return SiblingState();
    }
    if (command == L"peerid" && argc == 5) {
        return PeerIdToFile(statvane, static_cast<std::int32_t>(std::wcstol(argv[3], nullptr, 10)), argv[4]);
    }
    return kBadArguments;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        const int code = Run(argc, argv);
        std::fflush(stdout);
        return code;
    } catch (...) {
        return kBadArguments;
    }
}
