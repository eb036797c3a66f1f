// Removal of the game shortcuts that the saved-shortcut register lists.
#pragma once

namespace linkwright {

// Deletes every shortcut file listed under a "GameShellLink..." key of the
// register in the application-data folder; the register itself is only read.
// Writes the register's path to the debugger channel first. Returns 1 when the
// register was scanned (also when there is none) and 0 when the key list
// could not be held in memory.
int DeleteSavedShortcuts();

}  // namespace linkwright
