// The peer-identifier object of the client's sibling library "nodemark.dll",
// reached through its DllGetClassObject (no COM registry involved).
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace statvane {

// {5D72951E-2B86-41B9-835F-464346928269}
constexpr CLSID kClsidPeerIdSource = {
    0x5D72951E, 0x2B86, 0x41B9, {0x83, 0x5F, 0x46, 0x43, 0x46, 0x92, 0x82, 0x69}};
// {66BA7D1B-D4A3-4CBB-A7AA-9A385149C2A5}
constexpr IID kIidPeerIdSource = {
    0x66BA7D1B, 0xD4A3, 0x4CBB, {0xA7, 0xAA, 0x9A, 0x38, 0x51, 0x49, 0xC2, 0xA5}};

// What every caller passes as ReadPeerId's first argument.
constexpr LONG kPeerIdRequest = 256;

// Slot 3, after IUnknown's three. STDMETHOD: the callee cleans the stack on 32-bit.
struct IPeerIdSource : public IUnknown {
    // `buffer` holds `*byteCount` bytes on entry; on return `*byteCount` is
    // the number of bytes of ANSI text written (not necessarily terminated).
    STDMETHOD(ReadPeerId)(LONG request, BYTE* buffer, LONG* byteCount) PURE;
};

using DllGetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

}  // namespace statvane
