"""Reads a 32-bit PE binary's tables with i686-w64-mingw32-objdump."""
import os
import re
import subprocess
import sys

OBJDUMP = "i686-w64-mingw32-objdump"


def _private_headers(path):
    if not os.path.isfile(path):
        fail(f"{path} is missing (build the win32 preset first)")
    return subprocess.run([OBJDUMP, "-p", path], check=True, capture_output=True, text=True).stdout


def exports(path):
    """The names in the export table, in table order."""
    text = _private_headers(path)
    names = []
    section = text.split("[Ordinal/Name Pointer] Table", 1)
    if len(section) == 2:
        for line in section[1].splitlines()[1:]:
            m = re.match(r"\s*\[\s*\d+\]\s+(\S+)", line)
            if not m:
                break
            names.append(m.group(1))
    return names


def imports(path):
    """{dll name (lower case): [imported names]}."""
    text = _private_headers(path)
    result = {}
    current = None
    for line in text.splitlines():
        m = re.match(r"\s*DLL Name: (\S+)", line)
        if m:
            current = m.group(1).lower()
            result.setdefault(current, [])
            continue
        if current is None:
            continue
        m = re.match(r"\s*[0-9a-f]+\s+\d+\s+(\S+)\s*$", line)
        if m:
            result[current].append(m.group(1))
        elif not line.strip():
            current = None if result[current] else current
    return result


def subsystem(path):
    """"windows" or "console"."""
    text = _private_headers(path)
    m = re.search(r"^Subsystem\s+0*(\d+)", text, re.M)
    value = int(m.group(1)) if m else -1
    return {2: "windows", 3: "console"}.get(value, f"unknown({value})")


def machine(path):
    text = subprocess.run([OBJDUMP, "-f", path], check=True, capture_output=True, text=True).stdout
    return "i386" if "pei-i386" in text else text


def check(condition, message):
    if not condition:
        fail(message)


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def bin_path(name):
    if len(sys.argv) < 2:
        fail("usage: check_X.py <win32 bin folder>")
    return os.path.join(sys.argv[1], name)


def no_mingw_runtime(path):
    """A shipped binary needs no MinGW runtime DLL."""
    for dll in imports(path):
        check(not re.match(r"(libstdc\+\+|libgcc_s|libwinpthread)", dll), f"{os.path.basename(path)} imports {dll}")
