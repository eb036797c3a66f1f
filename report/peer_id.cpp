#include "peer_id.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "peer_id_source.h"
#include "peer_id_text.h"
#include "qv/owners.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace statvane {
namespace {

// This library's own file (not the process's executable), however long.
std::wstring OwnModulePath() {
    const HMODULE self = reinterpret_cast<HMODULE>(&__ImageBase);
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) return std::wstring(path.data(), length);
        if (path.size() >= 32768) return std::wstring();
        path.resize(path.size() * 2);
    }
}

qv::ComPtr<IPeerIdSource> CreateSource(HMODULE library) {
    qv::ComPtr<IPeerIdSource> source;
    const auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(
        ::GetProcAddress(library, "DllGetClassObject"));
    if (getClassObject == nullptr) return source;
    // Only whether a pointer comes back matters, not the HRESULTs.
    qv::ComPtr<IClassFactory> factory;
    getClassObject(kClsidPeerIdSource, IID_IClassFactory, factory.put_void());
    if (factory) factory->CreateInstance(nullptr, kIidPeerIdSource, source.put_void());
    return source;
}

// ANSI text of the thread's code page to UTF-16; false when it does not convert.
bool AnsiToWide(const char* text, std::size_t length, std::wstring* wide) {
    wide->clear();
    if (length == 0) return true;
    const int units = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    if (units <= 0) return false;
    wide->resize(static_cast<std::size_t>(units));
    return ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(length), &(*wide)[0], units) == units;
}

}  // namespace

std::wstring ReadPeerIdFromSibling() {
    std::wstring peerId = kDefaultPeerId;
    const std::wstring libraryPath = SiblingLibraryPath(OwnModulePath());
    if (libraryPath.empty()) return peerId;

    // Declared before the object so the object is released before the module goes.
    qv::UniqueModule library(::LoadLibraryW(libraryPath.c_str()));
    if (!library) return peerId;
    qv::ComPtr<IPeerIdSource> source = CreateSource(library.get());
    if (!source) return peerId;

    char answer[kPeerIdBufferBytes] = {};
    LONG byteCount = kPeerIdBufferBytes;
    if (FAILED(source->ReadPeerId(kPeerIdRequest, reinterpret_cast<BYTE*>(answer), &byteCount))) {
        return peerId;
    }
    std::size_t length = 0;
    std::wstring converted;
    if (AnswerLength(byteCount, &length) && AnsiToWide(answer, length, &converted)) {
        // A zero byte ends the text, for the trace as for the caller's copy.
        converted.erase(std::min(converted.find(L'\0'), converted.size()));
        peerId = converted;
    }
    return peerId;
}

}  // namespace statvane
