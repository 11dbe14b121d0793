#!/usr/bin/env bash
# Cross-builds Vantrel for 32-bit Windows and runs its tests under Wine, in
# a Wine prefix of the build's own (build-windows/wine-prefix). This is the
# Windows half of scripts/test.sh, alone.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows
cmake --build --preset windows
ctest --preset windows -j"$(nproc)"
