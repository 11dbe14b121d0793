#!/usr/bin/env bash
# Checks a generated project directory with real tools.
#
#   tests/compile/check-project.sh DIR [--keep] [--sources=A.cpp,B.cpp]
#
# DIR is a directory that `vantrel new` wrote (the project name is taken
# from its single .bpr file). The check
#   1. compiles every .cpp file in DIR with clang for the 32-bit MinGW target
#      (-fsyntax-only), in a debug (_DEBUG) and a release configuration,
#      against Debian's mingw-w64 Win32 headers and the class library
#      stand-in headers in tests/compile/include. File names are looked up
#      without regard to case through a generated clang VFS overlay, as on
#      the target ("mainfrm.h" finds "MainFrm.h"); nothing is renamed.
#      Every diagnostic fails the check except those listed in
#      tests/compile/allowed-diagnostics.txt;
#   2. compiles {Name}.rc (when present), for the Windows and the _MAC
#      branches of its guards, with the MinGW windres, clang
#      being its preprocessor, against mingw-w64's winver.h and the
#      stand-in afxres.h, afxres.rc and afxprint.rc. windres on Linux cannot
#      follow the script's "res\\..." paths (backslash separators, names in
#      another case), so it is fed a copy of the script in which each such
#      path is replaced by the absolute path of the file it names, found
#      without regard to case; a path naming no file is left for windres
#      to report;
#   3. decodes res\toolbar.bmp, res\{Name}Doc.ico and res\{Name}.ico (when
#      present) with ImageMagick and compares their sizes and every pixel
#      with the pictures of resources/ (TOOLBAR, MDICHILD, MFCVANTREL); the
#      fields of their headers are pinned by the golden files;
#   4. checks that the files the project unit names (USEUNIT, USERC) exist.
# Every file of the project must exist; `vantrel new NAME --list-files`
# names them.
#
# Options: --keep         keep the work directory and print its path;
#          --sources A.cpp,B.cpp  compile only these sources.
# Environment: VANTREL (the program that wrote DIR, default build/vantrel of
# this tree), CLANG (default clang), WINDRES (default
# i686-w64-mingw32-windres), MINGW_INCLUDE (default
# /usr/i686-w64-mingw32/include), JOBS (parallel compiles, default 2).
# Exit status: 0 when every check passed, 1 when one failed, 2 on bad usage
# or a missing tool.
set -uo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SOURCE_ROOT=$(cd "$HERE/../.." && pwd)
STANDIN="$HERE/include"
ALLOWED="$HERE/allowed-diagnostics.txt"
PICTURES="$SOURCE_ROOT/resources"
VANTREL=${VANTREL:-$SOURCE_ROOT/build/vantrel}
CLANG=${CLANG:-clang}
WINDRES=${WINDRES:-i686-w64-mingw32-windres}
MINGW_INCLUDE=${MINGW_INCLUDE:-/usr/i686-w64-mingw32/include}
JOBS=${JOBS:-2}

usage() { sed -n '2,4p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }

dir="" keep=0 only=""
for arg in "$@"; do
  case "$arg" in
    --sources=*) only=",${arg#--sources=}," ;;
    --keep) keep=1 ;;
    -h|--help) usage ;;
    -*) echo "check-project: unknown option $arg" >&2; usage ;;
    *) [ -z "$dir" ] || usage; dir=$arg ;;
  esac
done
[ -n "$dir" ] && [ -d "$dir" ] || { echo "check-project: no project directory given" >&2; usage; }
dir=$(cd "$dir" && pwd)

for tool in "$VANTREL" "$CLANG" "$WINDRES" identify convert od; do
  command -v "$tool" >/dev/null || { echo "check-project: $tool is not installed" >&2; exit 2; }
done
[ -f "$MINGW_INCLUDE/windows.h" ] || { echo "check-project: no Win32 headers in $MINGW_INCLUDE" >&2; exit 2; }

shopt -s nullglob
bprs=("$dir"/*.bpr)
[ ${#bprs[@]} -eq 1 ] || { echo "check-project: expected one .bpr file in $dir, found ${#bprs[@]}" >&2; exit 2; }
name=$(basename "${bprs[0]}" .bpr)

work=$(mktemp -d "${TMPDIR:-/tmp}/check-project.XXXXXX")
if [ "$keep" -eq 1 ]; then echo "check-project: work directory $work"; else trap 'rm -rf "$work"' EXIT; fi

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
note() { echo "note: $*"; }

# The project's files as they are on disk, relative to DIR, one a line.
(cd "$dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/files"

# Finds a file of the project by its relative name, ignoring letter case
# and accepting backslashes as separators; prints the real relative name.
find_file() {
  local wanted
  wanted=$(printf '%s' "$1" | tr '\\' '/' | tr '[:upper:]' '[:lower:]')
  awk -v w="$wanted" 'tolower($0) == w { print; exit }' "$work/files"
}

#############################################################################
# Files present

project_files=$("$VANTREL" new "$name" --list-files) ||
  { echo "check-project: $VANTREL cannot list the files of $name" >&2; exit 2; }
while IFS= read -r file; do
  [ -f "$dir/$file" ] || fail "$file is missing"
done <<< "$project_files"

#############################################################################
# C++ sources

# A clang VFS overlay that makes the project directory case-insensitive.
yaml_quote() { printf "'%s'" "${1//\'/\'\'}"; }
{
  echo "{ 'version': 0, 'case-sensitive': 'false', 'roots': ["
  echo "  { 'type': 'directory', 'name': $(yaml_quote "$dir"), 'contents': ["
  first=1
  while IFS= read -r rel; do
    case "$rel" in */*) continue ;; esac
    [ $first -eq 1 ] || echo ","
    first=0
    printf "    { 'type': 'file', 'name': %s, 'external-contents': %s }" \
      "$(yaml_quote "$rel")" "$(yaml_quote "$dir/$rel")"
  done < "$work/files"
  echo
  echo "  ] } ] }"
} > "$work/overlay.yaml"

resource_dir=$("$CLANG" -print-resource-dir)
clang_flags=(--target=i686-w64-mingw32 -fsyntax-only -x c++ -std=gnu++11
  -nostdinc -isystem "$resource_dir/include" -isystem "$MINGW_INCLUDE"
  -I "$STANDIN" -ivfsoverlay "$work/overlay.yaml"
  -D_AFXDLL -D_WINDOWS -D_MT -ferror-limit=0 -fno-color-diagnostics
  -Wno-nonportable-include-path)
# The flags go to clang as a response file, one quoted argument a line.
for flag in "${clang_flags[@]}"; do
  flag=${flag//\\/\\\\}
  printf '"%s"\n' "${flag//\"/\\\"}"
done > "$work/clang.rsp"

# The function whose body holds line LINE of FILE: the nearest line above it
# that starts in the first column with a name and an opening parenthesis;
# prints the name before the parenthesis ("CToolBar::GetItemRect").
enclosing_function() {
  head -n "$2" "$1" | tr -d '\r' | tac |
    grep -m1 -E '^[A-Za-z_~][^;]*\(' | sed -E 's/^([^(]*)\(.*/\1/; s/.*[ *&]//'
}

# Whether an error is allowed: "use of undeclared identifier 'X'" in a
# function of a file that allowed-diagnostics.txt lists with X.
allowed() {
  local file=$1 line=$2 message=$3 identifier function
  [[ "$message" =~ ^use\ of\ undeclared\ identifier\ \'([A-Za-z_][A-Za-z0-9_]*)\'$ ]] || return 1
  identifier=${BASH_REMATCH[1]}
  function=$(enclosing_function "$dir/$file" "$line")
  grep -v '^[[:space:]]*#' "$ALLOWED" |
    awk -v f="$file" -v fn="$function" -v id="$identifier" \
      'tolower($1) == tolower(f) && $2 == fn && $3 == id { found = 1 } END { exit !found }'
}

sources=()
for src in "$dir"/*.cpp; do
  [ -z "$only" ] || [[ "$only" == *",$(basename "$src"),"* ]] && sources+=("$src")
done
compiled=0 allowed_count=0
if [ ${#sources[@]} -eq 0 ]; then
  fail "no .cpp file in $dir"
else
  for src in "${sources[@]}"; do
    base=$(basename "$src")
    printf '%s\0%s\0%s\0' "$src" debug "$work/$base.debug.log"
    printf '%s\0%s\0%s\0' "$src" release "$work/$base.release.log"
  done > "$work/jobs"
  export CLANG work
  # Each job runs clang on one source in one configuration into a log.
  xargs -0 -n 3 -P "$JOBS" bash -c '
    defines=(); [ "$2" = debug ] && defines=(-D_DEBUG)
    "$CLANG" @"$work/clang.rsp" "${defines[@]}" "$1" > "$3" 2>&1
    echo $? > "$3.status"
  ' job < "$work/jobs"

  for src in "${sources[@]}"; do
    base=$(basename "$src")
    for config in debug release; do
      log="$work/$base.$config.log"
      compiled=$((compiled + 1))
      bad=0 seen=0
      while IFS= read -r diag; do
        # "path:line:column: severity: message"
        location=${diag%%: *}
        rest=${diag#*: }
        severity=${rest%%: *}
        message=${rest#*: }
        path=${location%:*:*}
        lineno=${location#"$path":}
        lineno=${lineno%%:*}
        file=${path#"$dir"/}
        seen=$((seen + 1))
        if [ "$severity" = error ] && [ "$file" != "$path" ] && allowed "$file" "$lineno" "$message"; then
          allowed_count=$((allowed_count + 1))
        else
          bad=$((bad + 1))
          # Past this many the rest need not be classified one by one.
          [ "$bad" -lt 100 ] || break
        fi
      done < <(grep -E '^.+:[0-9]+:[0-9]+: (warning|error|fatal error): ' "$log")
      status=$(cat "$log.status")
      if [ "$bad" -gt 0 ] || { [ "$status" -ne 0 ] && [ "$seen" -eq 0 ]; }; then
        fail "$base ($config): $bad diagnostics that are not allowed; clang said:"
        sed 's/^/    /' "$log"
      fi
    done
  done
  echo "compiled ${#sources[@]} sources in 2 configurations; $allowed_count allowed diagnostics"
fi

#############################################################################
# Resource script

rc="$dir/$name.rc"
if [ -f "$rc" ]; then
  # The copy for windres: each "res\\file" path (not the doubled quotes of
  # the editor's TEXTINCLUDE text) becomes the absolute path of the file it
  # names, found without regard to case.
  awk -v dir="$dir" '
    FNR == NR { real[tolower($0)] = $0; next }
    {
      out = ""
      while (match($0, /"res\\\\[^"]*"/)) {
        before = substr($0, 1, RSTART - 1)
        path = substr($0, RSTART + 1, RLENGTH - 2)
        $0 = substr($0, RSTART + RLENGTH)
        if (before ~ /"$/) { out = out before "\"" path "\""; continue }
        gsub(/\\\\/, "/", path)
        if (tolower(path) in real) path = dir "/" real[tolower(path)]
        out = out before "\"" path "\""
      }
      print out $0
    }' "$work/files" "$rc" > "$work/$name.rc"
  note "windres reads a copy of $name.rc whose res\\\\ paths are made absolute (Linux tools neither take backslash separators nor ignore case)"
  preprocessor_args=(-E -xc -DRC_INVOKED --target=i686-w64-mingw32 -nostdinc
    -isystem "$MINGW_INCLUDE" -I "$STANDIN" -ivfsoverlay "$work/overlay.yaml" -I "$dir"
    -Wno-nonportable-include-path)
  windres_args=(--preprocessor="$CLANG")
  for arg in "${preprocessor_args[@]}"; do windres_args+=(--preprocessor-arg="$arg"); done
  # Both branches of the script's guards: Windows, and Macintosh (_MAC).
  for define in "" -D_MAC; do
    if "$WINDRES" "${windres_args[@]}" $define -i "$work/$name.rc" -o "$work/$name.res" -O res > "$work/rc.log" 2>&1 &&
       ! grep -qE '(warning|error):' "$work/rc.log"; then
      echo "compiled $name.rc${define:+ $define}: $(wc -c < "$work/$name.res") bytes of resources"
    else
      fail "$name.rc${define:+ $define} does not compile; windres said:"
      sed 's/^/    /' "$work/rc.log"
    fi
  done
fi

#############################################################################
# Pictures

# Decodes PICTURE with ImageMagick and compares its size and every pixel
# with resources/SOURCE.pic (palette indices 0-F of the standard 16
# colours, '.' for a transparent pixel).
compare_pixels() {
  local picture=$1 source="$PICTURES/$2.pic" size
  [ -f "$source" ] || { fail "no picture $source to compare $(basename "$picture") with"; return; }
  size=$(identify -format '%wx%h' "$picture" 2>&1) || { fail "ImageMagick cannot read $picture: $size"; return; }
  convert "$picture" -depth 8 rgba:- 2> "$work/convert.log" | od -An -v -tu1 > "$work/pixels"
  if ! awk -v size="$size" -v name="$(basename "$picture")" '
      BEGIN {
        split("0 0 0,128 0 0,0 128 0,128 128 0,0 0 128,128 0 128,0 128 128,192 192 192," \
              "128 128 128,255 0 0,0 255 0,255 255 0,0 0 255,255 0 255,0 255 255,255 255 255", p, ",")
        for (i = 0; i < 16; i++) rgb[substr("0123456789ABCDEF", i + 1, 1)] = p[i + 1]
      }
      FNR == NR {
        sub(/\r$/, "")
        if ($0 ~ /^#/ || $0 == "") next
        if (!header) { header = 1; want = $2 "x" $3; next }
        expected = expected $0
        next
      }
      { for (i = 1; i <= NF; i++) value[n++] = $i }
      END {
        if (size != want) { printf "%s is %s, expected %s\n", name, size, want; exit 1 }
        if (n != 4 * length(expected)) { printf "%s decoded to %d bytes, expected %d\n", name, n, 4 * length(expected); exit 1 }
        split(size, wh, "x")
        for (i = 0; i < length(expected); i++) {
          c = substr(expected, i + 1, 1)
          got = value[4 * i] " " value[4 * i + 1] " " value[4 * i + 2]
          alpha = value[4 * i + 3]
          if (c == "." ? alpha != 0 : (alpha != 255 || got != rgb[c])) {
            printf "%s: pixel (%d, %d) is rgb %s alpha %s, expected %s\n", name, i % wh[1], int(i / wh[1]),
              got, alpha, c == "." ? "transparent" : "rgb " rgb[c]
            if (++bad == 5) break
          }
        }
        exit bad > 0
      }' "$source" "$work/pixels" > "$work/compare.log"; then
    fail "$(basename "$picture") does not hold the pixels of $2.pic:"
    sed 's/^/    /' "$work/compare.log" "$work/convert.log"
  fi
}

pictures=0
for picture in toolbar.bmp:TOOLBAR "$name"Doc.ico:MDICHILD "$name".ico:MFCVANTREL; do
  file=$(find_file "res/${picture%%:*}")
  [ -n "$file" ] || continue
  pictures=$((pictures + 1))
  compare_pixels "$dir/$file" "${picture#*:}"
done
[ "$pictures" -eq 0 ] || echo "decoded $pictures pictures"

#############################################################################
# Units named by the project unit

unit="$dir/$name.cpp"
if [ -f "$unit" ]; then
  while IFS= read -r named; do
    [ -n "$(find_file "$named")" ] || fail "$name.cpp names $named, which is not in the project"
  done < <(tr -d '\r' < "$unit" | sed -nE 's/^USE(UNIT|RC)\("([^"]*)"\);$/\2/p')
fi

if [ "$failures" -gt 0 ]; then
  echo "check-project: $failures checks failed for $dir"
  exit 1
fi
echo "check-project: $dir passed"
