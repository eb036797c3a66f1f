// Reads the machine's peer identifier from "nodemark.dll" beside this library.
#pragma once

#include <string>

namespace statvane {

// The identifier as UTF-16; "0" when it cannot be obtained. The sibling is
// loaded and unloaded within the call.
std::wstring ReadPeerIdFromSibling();

}  // namespace statvane
