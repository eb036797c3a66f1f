// The peer-identifier class of the client's sibling library, as a library
// that answers it declares it: the class and interface identifiers, the
// interface, and IUnknown for its heap objects.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <new>

namespace nodemark {

// {5D72951E-2B86-41B9-835F-464346928269}
constexpr CLSID kClsidPeerIdSource = {
    0x5D72951E, 0x2B86, 0x41B9, {0x83, 0x5F, 0x46, 0x43, 0x46, 0x92, 0x82, 0x69}};
// {66BA7D1B-D4A3-4CBB-A7AA-9A385149C2A5}
constexpr IID kIidPeerIdSource = {
    0x66BA7D1B, 0xD4A3, 0x4CBB, {0xA7, 0xAA, 0x9A, 0x38, 0x51, 0x49, 0xC2, 0xA5}};

struct IPeerIdSource : public IUnknown {
    STDMETHOD(ReadPeerId)(LONG request, BYTE* buffer, LONG* byteCount) PURE;
};

// QueryInterface of an object that answers IUnknown and one interface `own`.
template <typename I>
HRESULT AnswerQuery(I* self, REFIID iid, REFIID own, void** out) {
    if (out == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == own) {
        *out = self;
        self->AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

// IUnknown for a heap object that answers IUnknown and the interface I
// (identifier `Iid`); `*live` counts such objects while they exist.
template <typename I, const IID& Iid>
class RefCounted : public I {
public:
    explicit RefCounted(LONG* live) : live_(live) { ::InterlockedIncrement(live_); }
    virtual ~RefCounted() { ::InterlockedDecrement(live_); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        return AnswerQuery(static_cast<I*>(this), iid, Iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = ::InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

private:
    LONG refs_ = 1;
    LONG* live_;
};

// Creates one object of class T and hands out its interface `iid`; the
// creator's own reference is dropped.
template <typename T>
HRESULT CreateAndQuery(REFIID iid, void** out) {
    T* object = new (std::nothrow) T();
    if (object == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = object->QueryInterface(iid, out);
    object->Release();
    return result;
}

}  // namespace nodemark
