// Waiting for the process that must end before the update goes on.
#pragma once

#include <windows.h>

namespace refitter {

// How long the process is given to end by itself before it is terminated.
constexpr DWORD kTargetWaitMs = 3000;

// Waits up to kTargetWaitMs for process `processId`; terminates it if it is
// still there then. A process that cannot be opened (already ended, or not
// ours) is not waited for.
void WaitForTargetProcess(DWORD processId);

}  // namespace refitter
