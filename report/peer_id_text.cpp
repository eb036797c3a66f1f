#include "peer_id_text.h"

namespace statvane {

std::wstring SiblingLibraryPath(const std::wstring& modulePath) {
    const std::size_t slash = modulePath.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::wstring();
    return modulePath.substr(0, slash + 1) + L"nodemark.dll";
}

bool AnswerLength(std::int32_t returnedCount, std::size_t* length) {
    if (returnedCount < 0) return false;
    *length = static_cast<std::size_t>(
        returnedCount < kPeerIdBufferBytes ? returnedCount : kPeerIdBufferBytes);
    return true;
}

void CopyPeerId(const std::wstring& peerId, wchar_t* buffer, std::int32_t count) {
    if (buffer == nullptr || count < 1) return;
    const std::size_t limit = static_cast<std::size_t>(count);
    // The identifier ends at its first zero character, as a C string would.
    const std::size_t textLength = peerId.find(L'\0') == std::wstring::npos ? peerId.size()
                                                                             : peerId.find(L'\0');
    std::size_t i = 0;
    for (; i < limit && i < textLength; ++i) buffer[i] = peerId[i];
    for (; i < limit; ++i) buffer[i] = L'\0';
}

}  // namespace statvane
