#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vantrel need.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev
  # The compile check of generated projects (tests/compile).
  mingw-w64-i686-dev binutils-mingw-w64-i686 imagemagick
  # Real windows, the stand-in host and the window tests on a virtual screen.
  libfltk1.3-dev fluid fonts-liberation xvfb xdotool x11-utils
  # The Debian package (its dependencies come from dpkg-shlibdeps) and the
  # test that unpacks it.
  dpkg-dev
  # The 32-bit Windows build (preset "windows"): the mingw-w64 compilers
  # (their win32 thread model), GoogleTest's sources to build for Windows,
  # and Wine with its 32-bit half to run the Windows tests.
  gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-win32 googletest wine wine32:i386
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]} (run this script as root)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  # wine32 is a package of the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
