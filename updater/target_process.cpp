#include "target_process.h"

#include "qv/owners.h"

namespace refitter {

namespace {

// All access rights as Windows XP defines them; the later, wider
// PROCESS_ALL_ACCESS is refused there.
constexpr DWORD kProcessAllAccessXp = 0x1F0FFF;

}  // namespace

void WaitForTargetProcess(DWORD processId) {
    qv::UniqueHandle process(::OpenProcess(kProcessAllAccessXp, FALSE, processId));
    if (!process) return;
    if (::WaitForSingleObject(process.get(), kTargetWaitMs) != WAIT_TIMEOUT) return;
    DWORD exitCode = 0xFFFFFFFF;
    ::GetExitCodeProcess(process.get(), &exitCode);
    ::TerminateProcess(process.get(), exitCode);
}

}  // namespace refitter
