#!/usr/bin/env bash
# Installs the Debian packages that building and testing Vantrel need.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev
  # A replaced file keeps its access control list and extended attributes;
  # strace counts the command's system calls for the benchmark's notes.
  libacl1-dev libattr1-dev strace
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
  # The Windows installer (makensis, which CPack's NSIS generator runs).
  nsis
  # A Japanese locale, under which Wine runs a program with the double-byte
  # code page 932 (the Windows tests of double-byte locations).
  locales
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

# Wine passes a program its arguments through the locale's character set,
# so the locale must exist for the double-byte tests, not only be named.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: the locale ja_JP.UTF-8 is missing (run this script as root)" >&2
    exit 1
  fi
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
