// One owner type per kind of Windows resource: whoever holds it closes it,
// on every path. Move-only; `get()`, `reset()`, `release()`, `put()`.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace qv {

// A resource described by Traits: `type`, `None()` (the value that holds
// nothing), `IsNone(value)` and `Close(value)`.
template <typename Traits>
class UniqueResource {
public:
    using T = typename Traits::type;

    UniqueResource() = default;
    explicit UniqueResource(T value) : value_(value) {}
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueResource() { reset(); }

    T get() const { return value_; }
    bool valid() const { return !Traits::IsNone(value_); }
    explicit operator bool() const { return valid(); }

    void reset(T value = Traits::None()) {
        if (valid()) Traits::Close(value_);
        value_ = value;
    }
    T release() {
        T value = value_;
        value_ = Traits::None();
        return value;
    }
    // For APIs that return the resource through an out-parameter.
    T* put() {
        reset();
        return &value_;
    }

private:
    T value_ = Traits::None();
};

// Traits for a pointer-like resource that null alone marks as empty.
template <typename T, void (*CloseFn)(T)>
struct NullIsNone {
    using type = T;
    static T None() { return nullptr; }
    static bool IsNone(T value) { return value == nullptr; }
    static void Close(T value) { CloseFn(value); }
};

namespace detail {
inline void CloseKey(HKEY k) { ::RegCloseKey(k); }
inline void CloseModule(HMODULE m) { ::FreeLibrary(m); }
inline void CloseLocal(HLOCAL p) { ::LocalFree(p); }
inline void CloseGlobal(HGLOBAL p) { ::GlobalFree(p); }
inline void CloseMapView(void* p) { ::UnmapViewOfFile(p); }
inline void CloseTaskMem(void* p) { ::CoTaskMemFree(p); }

// Kernel objects: CreateFile fails with INVALID_HANDLE_VALUE, the rest null.
struct KernelHandleTraits {
    using type = HANDLE;
    static HANDLE None() { return nullptr; }
    static bool IsNone(HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
    using type = HANDLE;
    static HANDLE None() { return INVALID_HANDLE_VALUE; }
    static bool IsNone(HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
}  // namespace detail

using UniqueHandle = UniqueResource<detail::KernelHandleTraits>;
using UniqueFind = UniqueResource<detail::FindHandleTraits>;
using UniqueKey = UniqueResource<NullIsNone<HKEY, detail::CloseKey>>;
using UniqueModule = UniqueResource<NullIsNone<HMODULE, detail::CloseModule>>;
using UniqueLocal = UniqueResource<NullIsNone<HLOCAL, detail::CloseLocal>>;
using UniqueGlobal = UniqueResource<NullIsNone<HGLOBAL, detail::CloseGlobal>>;
using UniqueMapView = UniqueResource<NullIsNone<void*, detail::CloseMapView>>;
using UniqueTaskMem = UniqueResource<NullIsNone<void*, detail::CloseTaskMem>>;

// A COM interface pointer that holds one reference.
template <typename I>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(I* p) : p_(p) {}  // adopts the reference
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~ComPtr() { reset(); }

    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset(I* p = nullptr) {
        if (p_) p_->Release();
        p_ = p;
    }
    I* release() { return std::exchange(p_, nullptr); }
    I** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    // QueryInterface into another owner; an empty owner on failure.
    template <typename J>
    ComPtr<J> query(REFIID iid) const {
        ComPtr<J> out;
        if (p_) p_->QueryInterface(iid, out.put_void());
        return out;
    }

private:
    I* p_ = nullptr;
};

// Locks a global memory block for as long as it lives.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(block ? ::GlobalLock(block) : nullptr) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() {
        if (data_) ::GlobalUnlock(block_);
    }
    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

// COM initialised on this thread for the owner's lifetime (only if it worked).
class ComApartment {
public:
    ComApartment() : ok_(SUCCEEDED(::CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (ok_) ::CoUninitialize();
    }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

}  // namespace qv
