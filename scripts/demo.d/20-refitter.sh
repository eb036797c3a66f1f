#!/usr/bin/env bash
# Refitter: stages a small update in the sandbox (a stand-in client, an update
# script with one installer package and two file copies), lets the client
# start Refitter in mode 16 and shows, step by step, what happened.
set -euo pipefail

box=$QV_SANDBOX
win() { "$QV_WINPATH" "$1"; }
record=$box/record.txt            # what the stand-in programs write when they run
script=$box/update.ini

mkdir -p "$box/client/data" "$box/temp" "$box/unpack/work" "$box/unpack/files"
cp "$QV_BIN/refitter_probe.exe" "$box/client/Qoravel.exe"
cp "$QV_BIN/refitter_probe.exe" "$box/unpack/setup.exe"
printf 'version 1\n' > "$box/client/data/config.txt"
printf 'version 2\n' > "$box/unpack/files/config.txt"
printf 'new in version 2\n' > "$box/unpack/files/readme.txt"
rec=$(win "$record")
sed 's/$/\r/' > "$script" <<INI
[BasicInfo]
DestPath=$(win "$box/client")\\
TempPath=$(win "$box/temp")\\
DownloadPath=$(win "$box/download")\\
UnpackPath=$(win "$box/unpack")\\
Flag=1
LaunchExePath=$(win "$box/client/Qoravel.exe")
LaunchExeParam="$rec" client 0 0 -updated
[PackInstall]
file_0.src=$(win "$box/unpack/setup.exe")
file_0.dst=$(win "$box/unpack/work")
file_0.param="$rec" setup 700
[FileReplace]
file_0.src=$(win "$box/unpack/files/config.txt")
file_0.dst=$(win "$box/client/data/config.txt")
file_1.src=$(win "$box/unpack/files/readme.txt")
file_1.dst=$(win "$box/client/readme.txt")
[Settings]
Language=zh-CN
INI

echo "Staged an update in $box:"
echo "  client/Qoravel.exe (a stand-in client), client/data/config.txt: $(cat "$box/client/data/config.txt")"
echo "  unpack/setup.exe (a stand-in installer package), unpack/files/config.txt and readme.txt"
echo "  update.ini:"
tr -d '\r' < "$script" | sed 's/^/    /'

field() { # field <event> <label> <n>: the n-th tab-separated field of that record line
  awk -F'\t' -v e="$1" -v l="$2" -v n="$3" '$1 == e && $2 == l { print $n; exit }' "$record" 2>/dev/null
}
wait_for() { # wait_for <seconds> <command...>
  local end=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done
}
has_line() { [ -n "$(field "$1" "$2" 1)" ]; }

# The client asks for the update and ends 1.5 s later.
"$QV_WINE" "$QV_BIN/refitter_probe.exe" "$rec" old-client 1500 >/dev/null 2>&1 &
client=$!
wait_for 20 has_line start old-client || { echo "the stand-in client did not start"; exit 1; }
pid=$(field start old-client 3)
echo
echo "1. The client (process $pid) starts: Refitter 16 $pid \"$(win "$script")\""
"$QV_WINE" "$QV_BIN/Refitter.exe" 16 "$pid" "$(win "$script")" >/dev/null 2>&1
echo "   The first instance waited for the client to end, then exited with code $?."
wait "$client" || true

if ! wait_for 60 has_line end client || ! wait_for 10 bash -c "! grep -q BasicInfo '$script'"; then
  echo "the update did not finish; record so far:"; cat "$record"; exit 1
fi
sleep 0.5  # let the copy finish erasing and exit

echo "2. Hand-over: it copied itself into TempPath and started the copy hidden:"
ls "$box/temp" | sed 's/^/     temp\\/'
echo "     command line of the copy: $(field start setup 6)"
echo "3. The copy waited for the first instance, then ran the package and waited for it:"
echo "     setup.exe started in $(field start setup 4)"
echo "     order of events: $(awk -F'\t' '{ printf "%s%s %s", (NR > 1 ? ", " : ""), $1, $2 }' "$record")"
echo "4. Files replaced:"
echo "     client/data/config.txt: $(cat "$box/client/data/config.txt")"
echo "     client/readme.txt: $(cat "$box/client/readme.txt" 2>/dev/null || echo missing)"
echo "5. The client was started again in $(field start client 4) with parameters: $(field start client 9)"
if [ -e "$box/unpack" ]; then
  echo "6. The unpack folder is still there:"; find "$box/unpack" | sed 's/^/     /'; exit 1
fi
echo "6. The unpack folder was deleted with everything in it."
echo "7. The script was emptied, other sections kept; update.ini now holds:"
tr -d '\r' < "$script" | sed 's/^/     /'

[ "$(cat "$box/client/data/config.txt")" = "version 2" ] || exit 1
