// Text rules of the peer identifier: where the sibling library lies, how much
// of its answer counts, and how the identifier reaches the caller's buffer.
// Pure: no Win32 here, so it also builds natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace statvane {

// What callers receive when the identifier cannot be obtained.
constexpr const wchar_t* kDefaultPeerId = L"0";
// The sibling's answer buffer, in bytes; an identifier has at most this many characters.
constexpr std::int32_t kPeerIdBufferBytes = 64;

// "nodemark.dll" in the folder of `modulePath` (backslash and slash both
// separate). Empty when `modulePath` has no folder: a bare name would let the
// loader search other folders.
std::wstring SiblingLibraryPath(const std::wstring& modulePath);

// The number of answer bytes to convert for a byte count the sibling
// returned: at most the buffer size. A negative count is no answer (false).
bool AnswerLength(std::int32_t returnedCount, std::size_t* length);

// Copies `peerId` into `buffer` like wcsncpy: at most `count` characters, the
// rest of `count` filled with zeros, no terminator when the identifier is as
// long as `count` or longer. A null buffer or a count below 1 writes nothing.
void CopyPeerId(const std::wstring& peerId, wchar_t* buffer, std::int32_t count);

}  // namespace statvane
