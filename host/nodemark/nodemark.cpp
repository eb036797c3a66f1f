// Stand-in for the client's peer-identifier library: one COM class, created
// through DllGetClassObject without the registry, whose ReadPeerId answers
// a hash of the machine's installation GUID and Windows volume serial.
#include <windows.h>
#include <unknwn.h>

#include <cstring>
#include <new>
#include <string>

#include "fnv_hash.h"
#include "machine_id.h"
#include "nodemark/peer_id_class.h"

namespace {

using nodemark::IPeerIdSource;
using nodemark::kClsidPeerIdSource;
using nodemark::kIidPeerIdSource;

// The only form this library knows: the machine identifier as ANSI hex text.
constexpr LONG kMachineIdAsText = 256;

// Objects and server locks alive; the library may unload when both are 0.
LONG g_liveObjects = 0;
LONG g_serverLocks = 0;

class PeerIdSource : public nodemark::RefCounted<IPeerIdSource, kIidPeerIdSource> {
public:
    PeerIdSource() : RefCounted(&g_liveObjects) {}

    STDMETHODIMP ReadPeerId(LONG request, BYTE* buffer, LONG* byteCount) override {
        if (buffer == nullptr || byteCount == nullptr) return E_POINTER;
        if (request != kMachineIdAsText) return E_INVALIDARG;
        try {
            const std::string text = nodemark::PeerIdFromKey(nodemark::MachineKey());
            const LONG needed = static_cast<LONG>(text.size());
            if (*byteCount < needed) {
                *byteCount = needed;
                return HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER);
            }
            std::memcpy(buffer, text.data(), text.size());
            *byteCount = needed;
            return S_OK;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }
};

class PeerIdSourceFactory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return nodemark::AnswerQuery(static_cast<IClassFactory*>(this), iid, IID_IClassFactory, out);
    }
    // One static factory: its references keep the library loaded instead.
    STDMETHODIMP_(ULONG) AddRef() override { return 1 + ::InterlockedIncrement(&g_serverLocks); }
    STDMETHODIMP_(ULONG) Release() override { return 1 + ::InterlockedDecrement(&g_serverLocks); }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return nodemark::CreateAndQuery<PeerIdSource>(iid, out);
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock) {
            ::InterlockedIncrement(&g_serverLocks);
        } else {
            ::InterlockedDecrement(&g_serverLocks);
        }
        return S_OK;
    }
};

PeerIdSourceFactory g_factory;

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (clsid != kClsidPeerIdSource) return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return g_liveObjects == 0 && g_serverLocks == 0 ? S_OK : S_FALSE;
}
