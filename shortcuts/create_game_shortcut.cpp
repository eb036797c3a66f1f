#include "create_game_shortcut.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "ansi_text.h"
#include "qv/owners.h"

namespace linkwright {
namespace {

void NotifyShell(LONG event, const std::wstring& path) {
    ::SHChangeNotify(event, SHCNF_PATHW | SHCNF_FLUSH, path.c_str(), nullptr);
}

}  // namespace

std::string GameShortcutArguments(const std::string& gameId) {
    return "-gameid " + gameId + " -starttype lnk";
}

int CreateGameShortcut(const std::string& gameId, const std::string& targetPath, const std::string& linkPath) {
    const std::string arguments = GameShortcutArguments(gameId);

    qv::ComPtr<IUnknown> object;
    const DWORD context = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, context, IID_IUnknown, object.put_void()))) return 0;
    qv::ComPtr<IShellLinkA> link = object.query<IShellLinkA>(IID_IShellLinkA);
    if (!link) return 0;
    qv::ComPtr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    if (!file) return 0;

    const LeadBytes lead = ThreadLeadBytes();
    const std::string workingFolder = FolderPart(targetPath, lead);
    if (link->SetPath(targetPath.c_str()) != S_OK) return 0;
    if (link->SetWorkingDirectory(workingFolder.c_str()) != S_OK) return 0;
    if (link->SetArguments(arguments.c_str()) != S_OK) return 0;

    const std::wstring widePath = ThreadAnsiToWide(linkPath);
    if (widePath.empty() || file->Save(widePath.c_str(), TRUE) != S_OK) return 0;

    NotifyShell(SHCNE_CREATE | SHCNE_INTERRUPT, widePath);
    // A bare file name was saved in the current folder: no folder to name.
    const std::wstring wideFolder = ThreadAnsiToWide(FolderPart(linkPath, lead));
    if (!wideFolder.empty()) NotifyShell(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, wideFolder);
    return 1;
}

}  // namespace linkwright
