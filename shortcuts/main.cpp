// Linkwright: writes a desktop shortcut that starts a game through the client,
// or removes the game shortcuts that the saved-shortcut register lists. No
// window, no message: the client reads the exit code (1: a shortcut written).
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ansi_text.h"
#include "command_line.h"
#include "create_game_shortcut.h"
#include "delete_saved_shortcuts.h"
#include "qv/owners.h"

namespace linkwright {
namespace {

bool SplitOwnCommandLine(std::vector<std::wstring>* elements) {
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!argv) return false;
    qv::UniqueLocal owner(reinterpret_cast<HLOCAL>(argv));
    elements->assign(argv, argv + count);
    return true;
}

int CreateRequestedShortcut(const RunRequest& request) {
    // A value the code page cannot hold exactly would give a shortcut to some
    // other file (or none at all) reported as written.
    std::string gameId, targetPath, linkPath;
    if (!WideToThreadAnsi(request.gameId, &gameId) || !WideToThreadAnsi(request.sourceFile, &targetPath) ||
        !WideToThreadAnsi(request.link, &linkPath)) {
        return 0;
    }
    return CreateGameShortcut(gameId, targetPath, linkPath);
}

int Run() {
    qv::ComApartment com;
    std::vector<std::wstring> elements;
    if (!SplitOwnCommandLine(&elements)) return 0;
    const RunRequest request = ReadCommandLine(elements);
    switch (DecideAction(request)) {
    case RunAction::DeleteSavedShortcuts:
        DeleteSavedShortcuts();
        return 0;
    case RunAction::CreateShortcut:
        return CreateRequestedShortcut(request);
    case RunAction::Nothing:
        break;
    }
    return 0;
}

}  // namespace
}  // namespace linkwright

int main() {
    try {
        return linkwright::Run();
    } catch (...) {
        return 0;  // out of memory: nothing was written
    }
}
