#!/usr/bin/env bash
# Statvane: sends an install report to a web server on loopback and shows the
# request it received, then asks for the peer identifier (from the stand-in
# nodemark.dll beside Statvane) and the time.
set -euo pipefail
# A proxy from the environment would take the report away from loopback.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY

statvane=$("$QV_WINPATH" "$QV_BIN/Statvane.dll")
probe=$QV_BIN/statvane_probe.exe
portfile=$QV_SANDBOX/port
requests=$QV_SANDBOX/requests

# One request, then the server ends by itself (or after 30 s without one).
python3 - "$portfile" "$requests" <<'PY' &
import http.server, sys
portfile, requests = sys.argv[1], sys.argv[2]
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with open(requests, "a") as f:
            f.write(self.requestline + "\n")
            f.write("User-Agent: " + self.headers.get("User-Agent", "") + "\n")
        body = b"report received\n"
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
server.timeout = 30
with open(portfile + ".tmp", "w") as f:
    f.write(str(server.server_address[1]))
import os; os.rename(portfile + ".tmp", portfile)
server.handle_request()
PY
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$portfile" ] && break; sleep 0.05; done
[ -s "$portfile" ] || { echo "  the loopback server did not start"; exit 1; }
port=$(cat "$portfile")

url="http://127.0.0.1:$port/stat/install?gameid=1042&step=done&ver=3.1.7"
echo "Statvane: ReportInstallStatW(\"$url\")"
result=$("$QV_WINE" "$probe" "$statvane" report "$url" 2>/dev/null | tr -d '\r')
echo "  returned ${result#result } (1: the server answered)"
wait "$server" || true
echo "  the server received:"
sed 's/^/    /' "$requests"
[ "$result" = "result 1" ] || { echo "  the report was not delivered"; exit 1; }

echo "Statvane: GetPeerIDW (nodemark.dll beside Statvane.dll is the stand-in)"
peer=$("$QV_WINE" "$probe" "$statvane" peerid 2>/dev/null | tr -d '\r')
echo "  peer identifier: $peer"
[ -n "$peer" ] && [ "$peer" != 0 ] || { echo "  no identifier"; exit 1; }

echo "Statvane: GetTime"
now=$("$QV_WINE" "$probe" "$statvane" time 2>/dev/null | tr -d '\r')
now=${now#time }
echo "  $now seconds since 1970 ($(date -u -d "@$now" '+%Y-%m-%d %H:%M:%S UTC'); this machine says $(date -u +%s))"
