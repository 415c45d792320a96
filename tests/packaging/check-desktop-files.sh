#!/usr/bin/env bash
# The desktop entry, the metainfo and the manual page as installed, checked
# with Debian's own validators; the three agree on one application id.
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null
share="$work/usr/share"
id=org.varnholt.Varnholt
status=0
fail() { echo "FAIL: $*"; status=1; }

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

grep -qx "Icon=$id" "$share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
grep -qx "Exec=varnholt" "$share/applications/$id.desktop" || fail "the desktop entry does not start varnholt"
meta="$share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$meta" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || fail "the metainfo launches no $id.desktop"
grep -q "<release version=\"$version\"" "$meta" || fail "the metainfo's release is not $version"
grep -q '<content_rating type="oars-1.1"' "$meta" || fail "the metainfo has no content rating"
grep -q '<screenshot type="default">' "$meta" || fail "the metainfo has no screenshot"

if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/man1/varnholt.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page: $warnings"
  zcat "$share/man/man1/varnholt.1.gz" | grep -q "Varnholt $version" || fail "the manual page is not of $version"
fi
[ $status -eq 0 ] && echo "desktop entry, metainfo and manual page valid"
exit $status
