// Registration of the script objects into a runtime environment.
#pragma once

#include "qvlrt.h"

// The record the runtime takes by value: six pointer-sized words.
static_assert(sizeof(QVLRT_REGISTRATION) == 6 * sizeof(void*), "registration record layout");
static_assert(sizeof(QVLRT_METHOD) == 3 * sizeof(void*), "method entry layout");

// OSShell: 3 for a null environment (nothing registered), otherwise what
// QVLRT_RegisterGlobalObj returned.
int RegisterOSShell(QVLRT_ENV env);

// The OSShell method table, ending with an all-zero entry (for the tests).
const QVLRT_METHOD* OSShellMethodTable();
