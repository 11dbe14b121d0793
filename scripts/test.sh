#!/usr/bin/env bash
# Builds Vantrel and runs every test this machine can run: the Linux build's
# tests, then the 32-bit Windows build's tests under Wine when the mingw-w64
# cross-compiler and Wine are installed (scripts/install-deps.sh installs
# them). It says plainly when it skips the Windows half and why, and closes
# with both halves' counts. Exit status 0 only when neither half failed.
set -uo pipefail
cd "$(dirname "$0")/.."

# Runs one half: configures, builds and tests a preset, keeping ctest's
# output in LOG. Everything it shows goes to standard error; standard
# output gets only the half's result line for the summary.
run_half() {
  local preset=$1 log=$2
  if ! cmake --preset "$preset" >&2 || ! cmake --build --preset "$preset" >&2; then
    echo "the build failed"
    return 1
  fi
  ctest --preset "$preset" -j"$(nproc)" 2>&1 | tee "$log" >&2
  local status=${PIPESTATUS[0]}
  local counts skipped
  counts=$(grep -E '^[0-9]+% tests passed' "$log" | tail -1)
  skipped=$(grep -c '(Skipped)' "$log" || true)
  echo "${counts:-no test result}${skipped:+, $skipped skipped}"
  return "$status"
}

# The Windows half needs the cross-compiler and Wine; the reason it cannot
# run, if any.
windows_missing() {
  local tool
  for tool in i686-w64-mingw32-g++-win32 i686-w64-mingw32-windres wine wineserver; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; return; }
  done
}

status=0
echo "== Linux build and tests (build/)"
linux=$(run_half default build/test-summary.log) || status=1

missing=$(windows_missing)
if [ -n "$missing" ]; then
  windows="SKIPPED: $missing (bash scripts/install-deps.sh as root installs the cross-compiler and Wine)"
else
  echo "== Windows build and tests under Wine (build-windows/)"
  windows=$(run_half windows build-windows/test-summary.log) || status=1
fi

echo
echo "== Summary"
echo "Linux:   $linux"
echo "Windows: $windows"

# Both halves added up, as one plain line that any reader of the log finds.
total=0 failed=0 skipped=0
for half in "$linux" "$windows"; do
  if [[ $half =~ ([0-9]+)\ tests\ failed\ out\ of\ ([0-9]+) ]]; then
    failed=$((failed + BASH_REMATCH[1]))
    total=$((total + BASH_REMATCH[2]))
  fi
  [[ $half =~ ([0-9]+)\ skipped ]] && skipped=$((skipped + BASH_REMATCH[1]))
done
echo "Tests: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
exit "$status"
