#!/usr/bin/env bash
# Builds Vantrel and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default
cmake --build --preset default
ctest --preset default -j"$(nproc)"
