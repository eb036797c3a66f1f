// Conversions between UTF-16 and the calling thread's ANSI code page, the code
// page of the shell-link interface and the profile calls this program uses.
#pragma once

#include <string>

#include "ansi_path.h"

namespace linkwright {

// Converts `wide` to the thread's ANSI code page. Returns false when some
// character cannot be held exactly (it would come out as '?' or as a look-alike
// that names another file); `ansi` is then unspecified.
bool WideToThreadAnsi(const std::wstring& wide, std::string* ansi);

// The reverse; invalid bytes become U+FFFD.
std::wstring ThreadAnsiToWide(const std::string& ansi);

// Lead bytes of the thread's ANSI code page (none for a single-byte one).
LeadBytes ThreadLeadBytes();

}  // namespace linkwright
