#include "ansi_path.h"

namespace linkwright {
namespace {

// Steps to the next character: two bytes for a lead byte that has a trail.
size_t NextChar(std::string_view text, size_t pos, const LeadBytes& lead) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    return (lead[c] && pos + 1 < text.size()) ? pos + 2 : pos + 1;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

LeadBytes NoLeadBytes() {
    LeadBytes lead{};
    return lead;
}

LeadBytes LeadBytesFromRanges(const unsigned char* ranges, size_t size) {
    LeadBytes lead{};
    for (size_t i = 0; i + 1 < size; i += 2) {
        const unsigned char first = ranges[i];
        const unsigned char last = ranges[i + 1];
        if (first == 0 && last == 0) break;
        for (unsigned b = first; b <= last; ++b) lead[b] = true;
    }
    return lead;
}

// Double-byte text can only be walked forward from its start: a byte seen
// from the end does not tell whether it is a lead, a trail or a character.
size_t LastBackslash(std::string_view text, const LeadBytes& lead) {
    size_t found = std::string_view::npos;
    for (size_t pos = 0; pos < text.size(); pos = NextChar(text, pos, lead)) {
        if (text[pos] == '\\') found = pos;
    }
    return found;
}

std::string FolderPart(std::string_view path, const LeadBytes& lead) {
    const size_t slash = LastBackslash(path, lead);
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

bool IsCharBoundary(std::string_view text, size_t pos, const LeadBytes& lead) {
    size_t at = 0;
    while (at < pos && at < text.size()) at = NextChar(text, at, lead);
    return at == pos;
}

bool HasShortcutExtension(std::string_view path, const LeadBytes& lead) {
    static constexpr std::string_view kExtension = ".lnk";
    if (path.size() < kExtension.size()) return false;
    const size_t start = path.size() - kExtension.size();
    // Once the dot is a character of its own, the three ASCII letters after
    // it are too: no lead byte is below 0x80.
    if (!IsCharBoundary(path, start, lead)) return false;
    for (size_t i = 0; i < kExtension.size(); ++i) {
        if (FoldAscii(path[start + i]) != kExtension[i]) return false;
    }
    return true;
}

bool IsFullPath(std::string_view path) {
    if (path.size() >= 3) {
        const char drive = FoldAscii(path[0]);
        if (drive >= 'a' && drive <= 'z' && path[1] == ':' && IsSeparator(path[2])) return true;
    }
    return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace linkwright
