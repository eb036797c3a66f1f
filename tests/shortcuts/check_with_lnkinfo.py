#!/usr/bin/env python3
"""Runs Linkwright.exe under Wine in one ANSI code page, reads the shortcut it
writes with Debian's lnkinfo (a reader that shares nothing with Wine's shell),
then removes it again through a saved-shortcut register.

Wine takes a process's ANSI code page from the Unix locale it starts in, so
the code page is set here, per run, through LC_ALL.

Exit codes: 0 passed, 1 failed, 77 skipped (the locale cannot be made here).
"""
import argparse
import os
import shutil
import subprocess
import sys

USER_SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"

# Per code page: the Unix locale, lnkinfo's name for it, and names to use.
# In 936 the trail byte of U+4E57 and U+6DFA is 0x5C, the backslash: the
# working folder must be cut at the real separator, not inside a character.
CASES = {
    "1252": dict(locale=None, lnkinfo="windows-1252", encoding="cp1252",
                 folder="Jeux \u00e9", program="cl\u00efent.exe", link="Partie \u00fc.lnk", game="\u00e9 7"),
    "936": dict(locale="zh_CN.UTF-8", lnkinfo="windows-936", encoding="gbk",
                folder="\u6e38\u620f\u4e57", program="\u6dfa.exe", link="\u6e38\u620f\u6dfa.lnk",
                game="\u6e38\u620f 7"),
}


class Failure(Exception):
    pass


def windows_path(unix_path):
    # Wine's Z: drive is the Unix root.
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


def wine_env(args, case):
    env = dict(os.environ)
    if case["locale"]:
        env["LOCPATH"] = os.path.join(args.work, "locale")
        env["LC_ALL"] = case["locale"]
    return env


def make_locale(args, case):
    """Builds the locale into the work folder; False when this machine can't."""
    if not case["locale"]:
        return True
    target = os.path.join(args.work, "locale", case["locale"])
    if os.path.isdir(target):
        return True
    os.makedirs(os.path.dirname(target), exist_ok=True)
    language, charset = case["locale"].split(".")
    # localedef may end with 1 over mere warnings: the locale folder tells.
    result = subprocess.run(["localedef", "-i", language, "-f", charset, target],
                            capture_output=True, text=True)
    if not os.path.isdir(target):
        print(f"cannot build the {case['locale']} locale: {result.stderr.strip()}")
        return False
    return True


def run_wine(args, command, env=None):
    result = subprocess.run([args.wine_run] + command, env=env, stdin=subprocess.DEVNULL,
                            capture_output=True, timeout=60)
    return result.returncode, result.stdout.decode("utf-8", "replace")


def lnkinfo_fields(path, codepage):
    out = subprocess.run(["lnkinfo", "-c", codepage, path], capture_output=True, check=True).stdout
    fields = {}
    for line in out.decode("utf-8").splitlines():
        name, sep, value = line.lstrip().partition(":")
        if sep:
            fields[name.strip()] = value[1:] if value.startswith(" ") else value
    return fields


def expect(what, got, wanted):
    if got != wanted:
        raise Failure(f"{what}: got {got!r}, wanted {wanted!r}")
    print(f"  {what}: {got}")


class AppDataRedirect:
    """Points the application-data folder at a test folder, then restores it."""

    def __init__(self, args, folder):
        self.args = args
        self.folder = folder
        self.previous = None

    def __enter__(self):
        rc, out = run_wine(self.args, ["reg", "query", USER_SHELL_FOLDERS, "/v", "AppData"])
        if rc == 0:
            for line in out.splitlines():
                parts = line.strip().split(None, 2)
                if len(parts) == 3 and parts[0] == "AppData":
                    self.previous = (parts[1], parts[2])
            if self.previous is None:
                raise Failure(f"cannot read the AppData setting: {out!r}")
        self._set("REG_EXPAND_SZ", windows_path(self.folder))
        return self

    def __exit__(self, *exc):
        if self.previous:
            self._set(*self.previous)
        else:
            run_wine(self.args, ["reg", "delete", USER_SHELL_FOLDERS, "/v", "AppData", "/f"])

    def _set(self, kind, value):
        rc, out = run_wine(self.args, ["reg", "add", USER_SHELL_FOLDERS, "/v", "AppData", "/t", kind,
                                       "/d", value, "/f"])
        if rc != 0:
            raise Failure(f"cannot set AppData: {out!r}")


def check(args, case):
    root = os.path.join(args.work, "case")
    shutil.rmtree(root, ignore_errors=True)
    program_folder = os.path.join(root, case["folder"])
    desk = os.path.join(root, "Desk")
    os.makedirs(program_folder)
    os.makedirs(desk)
    program = os.path.join(program_folder, case["program"])
    with open(program, "wb") as f:
        f.write(b"MZ")  # the link object only takes a target that exists
    link = os.path.join(desk, case["link"])
    env = wine_env(args, case)

    print(f"writing {windows_path(link)}")
    rc, _ = run_wine(args, [args.program, "-gameid", case["game"], "-sourcefile", windows_path(program),
                            "-link", windows_path(link)], env)
    expect("exit code", rc, 1)
    fields = lnkinfo_fields(link, case["lnkinfo"])
    expect("Local path", fields.get("Local path"), windows_path(program))
    expect("Working directory", fields.get("Working directory"), windows_path(program_folder))
    expect("Command line arguments", fields.get("Command line arguments"),
           f"-gameid {case['game']} -starttype lnk")

    print("removing it through the saved-shortcut register")
    app_data = os.path.join(root, "AppData")
    os.makedirs(os.path.join(app_data, "Tolvane"))
    kept = os.path.join(desk, "kept.lnk")
    shutil.copyfile(link, kept)
    register = (f"[TolvaneShellLink]\r\nGameShellLink1={windows_path(link)}\r\n"
                f"xGameShellLink={windows_path(kept)}\r\n")
    with open(os.path.join(app_data, "Tolvane", "ShellLink.ini"), "wb") as f:
        f.write(register.encode(case["encoding"]))
    with AppDataRedirect(args, app_data):
        rc, _ = run_wine(args, [args.program, "-deleteallsaveddesktoplink"], env)
    expect("exit code", rc, 0)
    expect("listed shortcut exists", os.path.exists(link), False)
    expect("unlisted shortcut exists", os.path.exists(kept), True)
    shutil.rmtree(root, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--codepage", choices=sorted(CASES), required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    case = CASES[args.codepage]
    os.makedirs(args.work, exist_ok=True)
    if not shutil.which("lnkinfo"):
        print("lnkinfo is missing (Debian package liblnk-utils)")
        return 1
    if not make_locale(args, case):
        return 77
    try:
        check(args, case)
    except (Failure, subprocess.SubprocessError, OSError) as error:
        print(f"FAILED: {error}")
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
