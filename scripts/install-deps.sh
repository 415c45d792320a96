#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Varnholt need.
# Does nothing when everything is present; uses sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  qt6-base-dev libgl-dev
  fonts-dejavu-core locales
  xvfb xauth xdotool imagemagick dbus hyperfine
  dpkg-dev desktop-file-utils appstream lintian file man-db
  g++-mingw-w64-x86-64-posix wine64
  emscripten esbuild libfast-float-dev libfmt-dev nodejs
  chromium chromium-driver python3-selenium
)

# npm installs the page test's accessibility checker from its lock file; a
# Node.js from elsewhere brings its own npm, Debian's comes as a package.
if ! command -v npm >/dev/null 2>&1; then
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get -o DPkg::Lock::Timeout=900 update -qq
  as_root apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi

# The suite runs a second time under a German locale to prove that number
# conversion ignores the process locale; make sure that locale exists.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  if [ -f /etc/locale.gen ]; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
  else
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
  fi
fi
