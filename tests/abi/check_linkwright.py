"""Linkwright.exe as the client starts it (32-bit, windowed subsystem)."""
from abi_lib import bin_path, check, imports, machine, no_mingw_runtime, subsystem

exe = bin_path("Linkwright.exe")
check(machine(exe) == "i386", "Linkwright.exe is not a 32-bit binary")
# Windowed, so that starting it never opens a console; it creates no window.
check(subsystem(exe) == "windows", f"subsystem: {subsystem(exe)}")

table = imports(exe)
check("CoCreateInstance" in table.get("ole32.dll", []), "the shell link object is not created through COM")
for name in ["SHChangeNotify", "SHGetSpecialFolderPathA", "CommandLineToArgvW"]:
    check(name in table.get("shell32.dll", []), f"{name} not imported from shell32")
for name in ["GetPrivateProfileStringA", "OutputDebugStringA", "DeleteFileA"]:
    check(name in table.get("kernel32.dll", []), f"{name} not imported from kernel32")
# Linked against nothing of the system's own.
for own in ["sysreach.dll", "statvane.dll"]:
    check(own not in table, f"{own} is linked")
no_mingw_runtime(exe)
print("Linkwright.exe: 32-bit, windowed subsystem, ANSI profile and shell calls")
