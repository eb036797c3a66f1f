// A peer-identifier library with the sibling's contract whose answer the
// test chooses: it reads "peerid_answer.txt" beside itself on every call and
// appends what it was asked to "peerid_calls.txt" there. Copied as
// "nodemark.dll" next to the Statvane under test.
//
// peerid_answer.txt, one "key value" per line:
//   result  ok | fail | no-factory | no-object | null-object
//   text    the answer's bytes in hex (written into the caller's buffer,
//           never more than the buffer's size)
//   count   the byte count returned (default: the bytes written)
#include <windows.h>
#include <unknwn.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "nodemark/peer_id_class.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

using nodemark::IPeerIdSource;
using nodemark::kClsidPeerIdSource;
using nodemark::kIidPeerIdSource;

struct Answer {
    std::string result = "ok";
    std::string text;
    bool hasCount = false;
    long count = 0;
};

LONG g_objects = 0;
LONG g_factories = 0;

std::wstring BesideSelf(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + name;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Answer ReadAnswer() {
    Answer answer;
    FILE* file = ::_wfopen(BesideSelf(L"peerid_answer.txt").c_str(), L"rb");
    if (!file) return answer;
    char line[512];
    while (std::fgets(line, sizeof(line), file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        const std::size_t space = text.find(' ');
        const std::string key = text.substr(0, space);
        const std::string value = space == std::string::npos ? std::string() : text.substr(space + 1);
        if (key == "result") {
            answer.result = value;
        } else if (key == "count") {
            answer.hasCount = true;
            answer.count = std::strtol(value.c_str(), nullptr, 10);
        } else if (key == "text") {
            for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
                answer.text += static_cast<char>(HexValue(value[i]) * 16 + HexValue(value[i + 1]));
            }
        }
    }
    std::fclose(file);
    return answer;
}

void LogCall(const char* format, long a, long b) {
    FILE* file = ::_wfopen(BesideSelf(L"peerid_calls.txt").c_str(), L"ab");
    if (!file) return;
    std::fprintf(file, format, a, b);
    std::fclose(file);
}

class Source : public nodemark::RefCounted<IPeerIdSource, kIidPeerIdSource> {
public:
    Source() : RefCounted(&g_objects) {}
    STDMETHODIMP ReadPeerId(LONG request, BYTE* buffer, LONG* byteCount) override {
        LogCall("ReadPeerId request=%ld count=%ld\n", request, *byteCount);
        const Answer answer = ReadAnswer();
        const std::size_t written = answer.text.size() < static_cast<std::size_t>(*byteCount)
                                        ? answer.text.size()
                                        : static_cast<std::size_t>(*byteCount);
        std::memcpy(buffer, answer.text.data(), written);
        *byteCount = answer.hasCount ? answer.count : static_cast<LONG>(written);
        return answer.result == "fail" ? E_FAIL : S_OK;
    }
};

class Factory : public nodemark::RefCounted<IClassFactory, IID_IClassFactory> {
public:
    Factory() : RefCounted(&g_factories) {}
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        *out = nullptr;
        const Answer answer = ReadAnswer();
        if (answer.result == "no-object") return E_FAIL;
        if (answer.result == "null-object") return S_OK;  // a broken sibling
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return nodemark::CreateAndQuery<Source>(iid, out);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    *out = nullptr;
    if (clsid != kClsidPeerIdSource || ReadAnswer().result == "no-factory") return CLASS_E_CLASSNOTAVAILABLE;
    return nodemark::CreateAndQuery<Factory>(iid, out);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    // What the caller left alive when it let the library go.
    if (reason == DLL_PROCESS_DETACH) LogCall("detach objects=%ld factories=%ld\n", g_objects, g_factories);
    return TRUE;
}
