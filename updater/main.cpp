// Refitter: applies an update the client has downloaded and unpacked.
// Usage: Refitter <mode> <process id> <update script>. Always exits with 0.
#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "command_line.h"
#include "hand_over.h"
#include "messages.h"
#include "qv/owners.h"
#include "single_instance.h"
#include "target_process.h"
#include "update_script.h"

namespace {

std::vector<std::wstring> SplitCommandLine() {
    std::vector<std::wstring> args;
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    qv::UniqueLocal owner(argv);
    for (int i = 0; argv && i < count; ++i) args.emplace_back(argv[i]);
    return args;
}

void Run() {
    refitter::RunRequest request;
    if (!refitter::ReadRunRequest(SplitCommandLine(), &request)) return;
    if (!::PathFileExistsW(request.scriptPath.c_str())) {
        refitter::ShowScriptMissingMessage();
        return;
    }
    const refitter::BasicInfo info = refitter::ReadBasicInfo(request.scriptPath);
    refitter::WaitForTargetProcess(static_cast<DWORD>(request.targetProcessId));

    qv::UniqueHandle guard;
    if (refitter::TakeSingleInstanceGuard(&guard) == refitter::GuardResult::HeldElsewhere) {
        refitter::ShowAlreadyRunningMessage();
        return;
    }
    if (request.mode == refitter::kModeHandOver) {
        refitter::HandOver(info.tempPath, request.scriptPath);
    } else if (request.mode == refitter::kModeApply) {
        refitter::ApplyUpdateScript(request.scriptPath, info);
    }
}

}  // namespace

int main() {
    try {
        Run();
    } catch (...) {
        // Out of memory is all that can get here; the exit code stays 0.
    }
    return 0;
}
