// The guard that keeps two updates from running at once.
#pragma once

#include "qv/owners.h"

namespace refitter {

// Name of the guard: without a namespace prefix, so it covers the instances
// of one log-on.
extern const wchar_t kSingleInstanceMutexName[];

enum class GuardResult { Taken, HeldElsewhere };

// Creates the guard into `guard`. HeldElsewhere when another instance made
// it first. If it cannot be created at all the update goes on without it
// (Taken, with `guard` empty).
GuardResult TakeSingleInstanceGuard(qv::UniqueHandle* guard);

}  // namespace refitter
