# What the test scripts share, sourced by them: failure counting, skipping
# when a tool is missing, steps run on exit, a work directory, cpack, Wine.

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Ends the script with the verdict: WHAT [DETAIL]; status 1 when a check failed.
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$1: $failures failure(s)${2:+; $2}"
    exit 1
  fi
  echo "$1: passed${2:+; $2}"
  exit 0
}

# Fails with WHAT, showing the difference, unless the lines of ACTUAL are
# those of EXPECTED, in any order: WHAT EXPECTED ACTUAL.
same_lines() { [ "$(sort <<<"$3")" = "$(sort <<<"$2")" ] || { fail "$1"; diff <(sort <<<"$2") <(sort <<<"$3") || true; }; }

# Ends the script with status 77 (skipped), or need_status, unless every
# TOOL is installed.
need() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null ||
      { echo "$tool is not installed (see scripts/install-deps.sh)"; exit "${need_status:-77}"; }
  done
}

# Runs COMMAND until it succeeds, every tenth of a second, TENTHS times at
# the most: TENTHS COMMAND...
retry() { local _; for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done; return 1; }

# Adds a command to those run on exit, which run the last added first; each
# must not fail.
at_exit() { exit_steps="$1; ${exit_steps:-}"; trap "$exit_steps" EXIT; }

# Sets work to a new directory, removed on exit.
make_work() { work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX"); at_exit 'rm -rf "$work"'; }

# Makes a package with cpack: BUILD-DIR GENERATOR FILE-GLOB. Sets package
# to the file made in $work/out; without one the test ends failed.
make_package() {
  (cd "$1" && cpack -G "$2" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; echo "FAIL: cpack -G $2 failed"; exit 1; }
  local made=("$work"/out/$3)
  package=${made[0]}
  [ -f "$package" ] || { echo "FAIL: no $3 in: $(ls "$work/out")"; exit 1; }
  echo "package: $(basename "$package"), $(stat -c %s "$package") bytes"
}

# The path of a Linux file as a Windows program sees it, through drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# Runs a Windows program under Wine ($wine_run) in the prefix $prefix.
in_wine() { "$wine_run" "$prefix" "$@"; }
# The REG_SZ value NAME of the registry key KEY there: KEY NAME.
reg_value() { in_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p" || true; }
experts_key='HKCU\Software\Borland\C++Builder\3.0\Experts'
