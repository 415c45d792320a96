#!/usr/bin/env bash
# Runs a Windows program under Wine for the cross-built tests: a private
# prefix beside the build (never the user's own), no debug chatter. The first
# run builds the prefix (a few seconds); runs in parallel wait for it.
set -euo pipefail
prefix="${VARNHOLT_WINEPREFIX:-${TMPDIR:-/tmp}/varnholt-wine-$(id -u)}"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver --wait || true
  fi
  exec 9>&-
fi
# One server for the whole run, kept a while between programs: starting and
# stopping it for every test is slow, and a program that starts while the
# last one's server is shutting down can fail.
/usr/lib/wine/wineserver -p30 >/dev/null 2>&1 || true
exec /usr/lib/wine/wine64 "$@"
