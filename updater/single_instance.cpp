#include "single_instance.h"

namespace refitter {

const wchar_t kSingleInstanceMutexName[] = L"lumbra_update_mutex_{6792EE4D-2987-4d77-B24D-5F2B0F0E1FCF}";

GuardResult TakeSingleInstanceGuard(qv::UniqueHandle* guard) {
    guard->reset(::CreateMutexW(nullptr, FALSE, kSingleInstanceMutexName));
    // Only the existence of the name matters, never ownership.
    if (*guard && ::GetLastError() == ERROR_ALREADY_EXISTS) return GuardResult::HeldElsewhere;
    return GuardResult::Taken;
}

}  // namespace refitter
