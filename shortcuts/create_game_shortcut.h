// Writes a game shortcut through the shell's link object.
#pragma once

#include <string>

namespace linkwright {

// The arguments a game shortcut passes to the client.
std::string GameShortcutArguments(const std::string& gameId);

// Writes `linkPath` (used as given: no extension added, no folder created) so
// that it opens `targetPath` in the target's own folder with the game's
// arguments, then tells the shell about the file and its folder. Texts are in
// the thread's ANSI code page. Returns 1 when the file was written, else 0.
// Needs COM initialised on the calling thread.
int CreateGameShortcut(const std::string& gameId, const std::string& targetPath, const std::string& linkPath);

}  // namespace linkwright
