// Path text in an 8-bit ANSI code page, where a double-byte character's trail
// byte may equal '\\' (0x5C) or an ASCII letter. No Win32 here: the caller
// supplies the code page's lead bytes, so the rules compile natively.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace linkwright {

// lead[b] is true when byte b starts a double-byte character.
using LeadBytes = std::array<bool, 256>;

// A single-byte code page: no lead bytes.
LeadBytes NoLeadBytes();

// Builds the table from (first, last) ranges as GetCPInfo reports them:
// pairs of bytes ending with a zero pair.
LeadBytes LeadBytesFromRanges(const unsigned char* ranges, size_t size);

// Position of the last backslash that is a character of its own (never the
// trail byte of a double-byte character); npos when there is none.
size_t LastBackslash(std::string_view text, const LeadBytes& lead);

// The text up to, not including, its last backslash; "" when it has none.
std::string FolderPart(std::string_view path, const LeadBytes& lead);

// True when a character starts at byte `pos` (pos == size counts too).
bool IsCharBoundary(std::string_view text, size_t pos, const LeadBytes& lead);

// True when the name ends in ".lnk" in any letter case, the dot being a
// character of its own.
bool HasShortcutExtension(std::string_view path, const LeadBytes& lead);

// True for "X:\..." (or "X:/...") and "\\server\...": a path that names the
// same file whatever the current drive and folder.
bool IsFullPath(std::string_view path);

}  // namespace linkwright
