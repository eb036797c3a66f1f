// A library that loads but lacks DllGetClassObject: copied as "nodemark.dll"
// to show a sibling without the export yields the default identifier.
#include <windows.h>

extern "C" __declspec(dllexport) int NotAClassFactory() { return 0; }
