#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, under two prefixes, and checks
# the layout a Linux desktop expects. Nothing may name the configured prefix:
# the installed tree must work wherever --prefix puts it.
set -euo pipefail
build=$1 configured_prefix=$2 web=${3:-without-web}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected="bin/varnholt
bin/varnholt-calc
share/applications/org.varnholt.Varnholt.desktop
share/doc/varnholt/audio/varnholt.htm
share/doc/varnholt/changelog.gz
share/doc/varnholt/copyright
share/doc/varnholt/examples/varnholt.txt
share/doc/varnholt/images/main-window.png
share/icons/hicolor/16x16/apps/org.varnholt.Varnholt.png
share/icons/hicolor/256x256/apps/org.varnholt.Varnholt.png
share/icons/hicolor/32x32/apps/org.varnholt.Varnholt.png
share/icons/hicolor/48x48/apps/org.varnholt.Varnholt.png
share/icons/hicolor/scalable/apps/org.varnholt.Varnholt.svg
share/man/man1/varnholt-calc.1.gz
share/man/man1/varnholt.1.gz
share/metainfo/org.varnholt.Varnholt.metainfo.xml"
if [ "$web" = with-web ]; then
  expected=$(printf '%s\n' "$expected" share/varnholt/web/{guide/page.htm,index.html,manifest.webmanifest,sw.js} \
    share/varnholt/web/icons/{favicon.png,varnholt-192.png,varnholt-512.png} \
    share/varnholt/web/{page.css,page.js,varnholt-core.js,varnholt-core-wasm.js,varnholt-core.wasm} | LC_ALL=C sort)
fi

status=0
fail() { echo "FAIL: $*"; status=1; }

for prefix in /usr /opt/moved; do
  dest="$work/dest$(echo "$prefix" | tr / _)"
  DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >/dev/null
  root="$dest$prefix"
  found=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  if [ "$found" != "$expected" ]; then
    fail "files under $prefix differ from the expected layout:"
    diff <(echo "$expected") <(echo "$found") || true
  fi
  [ -x "$root/bin/varnholt" ] || fail "$prefix/bin/varnholt is not executable"
  # The program finds its guide by this relative path; it must lead to the guide.
  grep -qa '\.\./share/doc/varnholt' "$root/bin/varnholt" || fail "the program does not name ../share/doc/varnholt"
  [ -f "$root/bin/../share/doc/varnholt/audio/varnholt.htm" ] || fail "no guide at bin/../share/doc/varnholt"
  for size in 16 32 48 256; do
    file "$root/share/icons/hicolor/${size}x${size}/apps/org.varnholt.Varnholt.png" | grep -q "$size x $size" ||
      fail "the ${size}px icon is not ${size}x${size}"
  done
  zcat "$root/share/man/man1/varnholt.1.gz" | grep -q '^\.TH VARNHOLT 1' || fail "the manual page has no title line"
  zcat "$root/share/man/man1/varnholt-calc.1.gz" | grep -q '^\.TH VARNHOLT-CALC 1' ||
    fail "the command line's manual page has no title line"
  [ -x "$root/bin/varnholt-calc" ] || fail "$prefix/bin/varnholt-calc is not executable"
  if [ "$configured_prefix" != /usr ] && grep -rlF "$configured_prefix" "$root"; then
    fail "the files above name the configured prefix $configured_prefix"
  fi
done
[ $status -eq 0 ] && echo "layout as expected under /usr and /opt/moved"
exit $status
