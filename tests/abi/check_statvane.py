"""Statvane.dll as the client and its installer load it (32-bit)."""
from abi_lib import bin_path, check, exports, imports, machine, no_mingw_runtime

dll = bin_path("Statvane.dll")
check(machine(dll) == "i386", "Statvane.dll is not a 32-bit binary")
# C convention: plain names, no underscore, no @n.
check(sorted(exports(dll)) == ["GetPeerIDW", "GetTime", "ReportInstallStatW"], f"exports: {exports(dll)}")

table = imports(dll)
check("wininet.dll" in table, f"WinINet not imported: {sorted(table)}")
for name in ["InternetOpenW", "InternetOpenUrlW", "InternetReadFile", "InternetCloseHandle"]:
    check(name in table["wininet.dll"], f"{name} not imported from WinINet")
# The sibling is loaded at run time from Statvane's folder, never linked, and
# COM's registry is not involved.
check("nodemark.dll" not in table, "nodemark.dll is linked")
check("ole32.dll" not in table and "combase.dll" not in table, f"COM library linked: {sorted(table)}")
no_mingw_runtime(dll)

stand_in = bin_path("nodemark.dll")
check(machine(stand_in) == "i386", "nodemark.dll is not a 32-bit binary")
check("DllGetClassObject" in exports(stand_in), f"nodemark.dll exports: {exports(stand_in)}")
no_mingw_runtime(stand_in)
print("Statvane.dll: three C exports, WinINet, nodemark loaded at run time")
