// What identifies this machine: its installation GUID and the serial number
// of the Windows volume.
#pragma once

#include <string>

namespace nodemark {

// "<MachineGuid>|<serial in hex>"; either part may be empty when unreadable.
std::string MachineKey();

}  // namespace nodemark
