"""Refitter.exe as the client starts it (32-bit console program)."""
from abi_lib import bin_path, check, imports, machine, no_mingw_runtime, subsystem

exe = bin_path("Refitter.exe")
check(machine(exe) == "i386", "Refitter.exe is not a 32-bit binary")
check(subsystem(exe) == "console", f"Refitter.exe subsystem: {subsystem(exe)}")

table = imports(exe)
# It links against nothing of the system, only Windows.
for dll in table:
    check(dll in {"kernel32.dll", "user32.dll", "shell32.dll", "shlwapi.dll", "msvcrt.dll", "advapi32.dll"}
          or dll.startswith("api-ms-win-"), f"Refitter.exe imports {dll}")
for dll, name in [("user32.dll", "MessageBoxW"), ("kernel32.dll", "CreateMutexW"), ("kernel32.dll", "OpenProcess"),
                  ("shell32.dll", "ShellExecuteW"), ("shell32.dll", "ShellExecuteExW"),
                  ("shell32.dll", "CommandLineToArgvW"), ("kernel32.dll", "GetPrivateProfileStringW"),
                  ("kernel32.dll", "WritePrivateProfileStringW")]:
    check(name in table.get(dll, []), f"{name} not imported from {dll}")
no_mingw_runtime(exe)
print("Refitter.exe: 32-bit console program, Windows libraries only")
