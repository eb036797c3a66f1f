// Started once per Wine session, with its output sent nowhere: makes Wine
// start its desktop and OLE services before any test inherits a pipe.
#include <windows.h>
#include <ole2.h>

int main() {
    ::GetDesktopWindow();
    if (SUCCEEDED(::OleInitialize(nullptr))) ::OleUninitialize();
    return 0;
}
