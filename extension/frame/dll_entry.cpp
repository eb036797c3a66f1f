// The extension's one export and its DLL entry: both register the script
// objects into a runtime environment.
#include <windows.h>

#include "registration.h"

// Exported through sysreach_x86.def / sysreach_x64.def under its one name.
extern "C" int WINAPI QV_OSShell_RegisterToEnv(QVLRT_ENV env) {
    return RegisterOSShell(env);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        // Runs under the loader lock; the runtime is already loaded, as this
        // DLL imports it.
        QVLRT_ENV env = QVLRT_GetEnv(nullptr);
        QV_OSShell_RegisterToEnv(env);
        QVLRT_ReleaseEnv(env);
    }
    return TRUE;
}
