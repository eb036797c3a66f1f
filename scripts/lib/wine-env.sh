# Sourced: the environment of the Wine session that belongs to one build root.
# Sets QV_ROOT, QV_BUILD_ROOT and QV_WINE_DIR and exports what Wine needs.
QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QV_BUILD_ROOT=${QV_BUILD_ROOT:-$QV_ROOT/build}
QV_WINE_DIR=$QV_BUILD_ROOT/wine
export WINEPREFIX=$QV_WINE_DIR/prefix
export WINEARCH=win64
export WINEDEBUG=${QV_WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINESERVER=/usr/lib/wine/wineserver64
# Wine keeps its server sockets under TMPDIR and links Desktop/Documents
# into HOME: both stay inside the build folder, never the user's own.
export HOME=$QV_WINE_DIR/home
export TMPDIR=$QV_WINE_DIR/tmp
unset http_proxy https_proxy ftp_proxy no_proxy HTTP_PROXY HTTPS_PROXY FTP_PROXY NO_PROXY
if [ -f "$QV_WINE_DIR/display" ]; then
  export DISPLAY=$(cat "$QV_WINE_DIR/display")
fi
