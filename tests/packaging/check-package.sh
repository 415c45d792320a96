#!/usr/bin/env bash
# Builds the Debian package as `make package` does, lists it, shows its
# control fields and runs lintian on it, which must report no errors.
set -euo pipefail
build=$1 version=$2 web=${3:-without-web}
out="$build/package-check"
rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/varnholt_"$version"_*.deb)
status=0
fail() { echo "FAIL: $*"; status=1; }

echo "== $deb"
dpkg-deb -c "$deb"
dpkg-deb -I "$deb"
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/varnholt ./usr/bin/varnholt-calc ./usr/share/man/man1/varnholt-calc.1.gz \
  ./usr/share/applications/org.varnholt.Varnholt.desktop \
  ./usr/share/metainfo/org.varnholt.Varnholt.metainfo.xml ./usr/share/man/man1/varnholt.1.gz \
  ./usr/share/doc/varnholt/audio/varnholt.htm ./usr/share/doc/varnholt/copyright \
  $([ "$web" = with-web ] && echo ./usr/share/varnholt/web/index.html ./usr/share/varnholt/web/varnholt-core.js); do
  grep -qx -- "$path" <<<"$files" || fail "the package lacks $path"
done
control=$(dpkg-deb -f "$deb")
grep -qx "Section: sound" <<<"$control" || fail "the section is not sound"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-dejavu-core qt6-qpa-plugins libqt6widgets6 libc6; do
  grep -q "\b$dep\b" <<<"$depends" || fail "Depends lacks $dep"
done
file "$out"/_CPack_Packages/*/DEB/*/usr/bin/varnholt 2>/dev/null | grep -q "not stripped" &&
  fail "the program is not stripped"
if command -v lintian >/dev/null; then
  echo "== lintian"
  lintian --fail-on error "$deb" 2>&1 | grep -v 'root privileges' || true
  lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports errors"
fi
[ $status -eq 0 ] && echo "package $deb as expected"
exit $status
