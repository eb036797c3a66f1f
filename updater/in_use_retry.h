// Files that another process holds for a moment: a scanner, the shell, or a
// program's console that outlives it by a few milliseconds.
#pragma once

#include <windows.h>

namespace refitter {

// How long in all such a file is waited for: long enough to outlast a brief
// hold, short enough not to stall the update.
constexpr DWORD kInUseRetryMs = 3000;

// Sharing or lock violation: the file is in use and may soon be free.
bool IsInUseError(DWORD error);

// A time budget for retrying in-use failures, started at construction.
class InUseRetry {
public:
    explicit InUseRetry(DWORD budgetMs = kInUseRetryMs);
    // After a failure with `error`: true (after a short pause) when another
    // try is worth it, false when the error is of another kind or the budget
    // is spent.
    bool PauseBeforeRetry(DWORD error);

private:
    ULONGLONG start_;
    DWORD budgetMs_;
};

}  // namespace refitter
