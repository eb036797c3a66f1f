"""Sysreach.dll as the host's UI engine loads it (32-bit)."""
from abi_lib import bin_path, check, exports, imports, machine, no_mingw_runtime

dll = bin_path("Sysreach.dll")
check(machine(dll) == "i386", "Sysreach.dll is not a 32-bit binary")
check(exports(dll) == ["_QV_OSShell_RegisterToEnv@4"], f"exports: {exports(dll)}")

table = imports(dll)
runtime = table.get("qvluaruntime.dll", [])
# WINAPI functions by MSVC's decorated names; @28 proves the registration
# record (six 4-byte words) travels by value after the environment handle.
for name in ["_QVLRT_GetEnv@4", "_QVLRT_ReleaseEnv@4", "_QVLRT_RegisterGlobalObj@28", "_QVLRT_LuaCall@16"]:
    check(name in runtime, f"{name} not imported from QVLuaRuntime.dll: {runtime}")
# The Lua C API comes from the same DLL, undecorated (C convention).
for name in ["luaL_checkudata", "luaL_checklstring", "lua_pushinteger", "luaL_ref", "luaL_unref", "lua_rawgeti"]:
    check(name in runtime, f"{name} not imported from QVLuaRuntime.dll")
check(not any(name.startswith("lua") for dll_name, names in table.items() if dll_name != "qvluaruntime.dll" for name in names),
      "Lua API imported from another DLL")
no_mingw_runtime(dll)
print("Sysreach.dll: one export, runtime imports by decorated names")
