// PostQuitMessage, TerminateProcess, GetTickCount: the calling thread's quit
// message, the end of the host process, and the system tick count.
#include "lua_glue.h"
#include "method_glue.h"
#include "os_shell.h"

void COSShell::PostQuitMessage(int exitCode) {
    ::PostQuitMessage(exitCode);
}

void COSShell::TerminateProcess(int exitCode) {
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(exitCode));
}

unsigned int COSShell::GetTickCount() {
    return ::GetTickCount();
}

namespace methods {

int PostQuitMessage(lua_State* L) {
    COSShell* shell = glue::CheckOSShell(L);
    const int exitCode = glue::ReadInteger(L, 2);
    shell->PostQuitMessage(exitCode);
    return 0;
}

int TerminateProcess(lua_State* L) {
    COSShell* shell = glue::CheckOSShell(L);
    const int exitCode = glue::ReadInteger(L, 2);
    shell->TerminateProcess(exitCode);
    return 0;
}

int GetTickCount(lua_State* L) {
    COSShell* shell = glue::CheckOSShell(L);
    return glue::PushUnsigned(L, shell->GetTickCount());
}

int NotYetBuilt(lua_State* L) {
    glue::CheckOSShell(L);
    return 0;
}

int NotYetBuiltWithoutObject(lua_State*) {
    return 0;
}

}  // namespace methods
