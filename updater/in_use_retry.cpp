#include "in_use_retry.h"

namespace refitter {

namespace {

constexpr DWORD kPauseMs = 100;

}  // namespace

bool IsInUseError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

InUseRetry::InUseRetry(DWORD budgetMs) : start_(::GetTickCount64()), budgetMs_(budgetMs) {}

bool InUseRetry::PauseBeforeRetry(DWORD error) {
    if (!IsInUseError(error) || ::GetTickCount64() - start_ >= budgetMs_) return false;
    ::Sleep(kPauseMs);
    return true;
}

}  // namespace refitter
