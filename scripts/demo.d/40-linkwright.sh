#!/usr/bin/env bash
# Linkwright: writes a game shortcut onto the sandbox desktop, shows what it
# holds, then removes it again through a saved-shortcut register.
set -euo pipefail

desktop=$QV_SANDBOX/Desktop
hall="$QV_SANDBOX/Game Hall"
appdata=$QV_SANDBOX/AppData
mkdir -p "$desktop" "$hall" "$appdata/Tolvane"
# The shell's link object only points at a program that exists.
printf 'MZ' > "$hall/client.exe"

client=$("$QV_WINPATH" "$hall/client.exe")
link=$("$QV_WINPATH" "$desktop")'\Game 1001.lnk'

echo "Linkwright: writing a shortcut for game 1001 onto the sandbox desktop"
echo "  $link -> $client"
set +e
"$QV_WINE" "$QV_BIN/Linkwright.exe" -gameid 1001 -sourcefile "$client" -link "$link" </dev/null >/dev/null 2>&1
code=$?
set -e
echo "  exit code $code (1: written)"
[ "$code" = 1 ] || { echo "  the shortcut was not written"; exit 1; }

echo "  read back with lnkinfo:"
lnkinfo "$desktop/Game 1001.lnk" | grep -E 'Local path|Working directory|Command line arguments' |
  sed -e 's/^[[:space:]]*/    /' -e 's/\t\+/ /g'

echo "Linkwright: removing saved game shortcuts"
# The register lives in the application-data folder: point that at the
# sandbox for this step and put the setting back afterwards.
folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
previous=$("$QV_WINE" reg query "$folders" /v AppData </dev/null 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *AppData *REG_EXPAND_SZ *//p')
restore() {
  if [ -n "$previous" ]; then
    "$QV_WINE" reg add "$folders" /v AppData /t REG_EXPAND_SZ /d "$previous" /f </dev/null >/dev/null 2>&1
  else
    "$QV_WINE" reg delete "$folders" /v AppData /f </dev/null >/dev/null 2>&1
  fi
}
trap restore EXIT
"$QV_WINE" reg add "$folders" /v AppData /t REG_EXPAND_SZ /d "$("$QV_WINPATH" "$appdata")" /f </dev/null >/dev/null 2>&1

printf '[TolvaneShellLink]\r\nGameShellLink1001=%s\r\n' "$link" > "$appdata/Tolvane/ShellLink.ini"
echo "  register $("$QV_WINPATH" "$appdata/Tolvane/ShellLink.ini"):"
sed -e 's/\r$//' -e 's/^/    /' "$appdata/Tolvane/ShellLink.ini"
set +e
"$QV_WINE" "$QV_BIN/Linkwright.exe" -deleteallsaveddesktoplink </dev/null >/dev/null 2>&1
code=$?
set -e
echo "  exit code $code"
if [ -e "$desktop/Game 1001.lnk" ]; then
  echo "  the shortcut is still on the desktop"
  exit 1
fi
echo "  the shortcut is gone from the desktop; the register still lists it:"
sed -e 's/\r$//' -e 's/^/    /' "$appdata/Tolvane/ShellLink.ini"
