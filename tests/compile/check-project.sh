#!/usr/bin/env bash
# Checks a directory `vantrel new` wrote, with real tools: its files are
# there, its sources compile with clang for 32-bit MinGW (names found
# regardless of case; only allowed-diagnostics.txt's diagnostics pass), its
# resource script with windres, its pictures hold the pixels of
# resources/*.pic, and the units its project unit names exist.
#   tests/compile/check-project.sh DIR [--keep] [--sources=A.cpp,B.cpp]
# --keep keeps the work directory; --sources compiles only these sources.
# Environment: VANTREL (default build/vantrel), CLANG, WINDRES,
# MINGW_INCLUDE, JOBS (parallel compiles, default 2).
# Exit status: 0 passed, 1 a check failed, 2 bad usage or a missing tool.
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
source "$HERE/../lib/common.sh"

usage() { sed -n '8p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }

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

need_status=2 need "$VANTREL" "$CLANG" "$WINDRES" identify convert od
[ -f "$MINGW_INCLUDE/windows.h" ] || { echo "check-project: no Win32 headers in $MINGW_INCLUDE" >&2; exit 2; }

shopt -s nullglob
bprs=("$dir"/*.bpr)
[ ${#bprs[@]} -eq 1 ] || { echo "check-project: expected one .bpr file in $dir, found ${#bprs[@]}" >&2; exit 2; }
name=$(basename "${bprs[0]}" .bpr)

work=$(mktemp -d "${TMPDIR:-/tmp}/check-project.XXXXXX")
if [ "$keep" -eq 1 ]; then echo "check-project: work directory $work"; else trap 'rm -rf "$work"' EXIT; fi


# The project's files as they are on disk, relative to DIR, one a line.
(cd "$dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$work/files"

# Prints the real relative name of a project file, found regardless of
# case and separators.
find_file() { grep -m1 -ixF -- "${1//\\//}" "$work/files"; }

# Files present.
project_files=$("$VANTREL" new "$name" --list-files) ||
  { echo "check-project: $VANTREL cannot list the files of $name" >&2; exit 2; }
for file in $project_files; do [ -f "$dir/$file" ] || fail "$file is missing"; done

# C++ sources.
# A clang VFS overlay that makes the project directory case-insensitive.
awk -v dir="$dir" -v q="'" '
  function quoted(s) { gsub(q, q q, s); return q s q }
  BEGIN { printf "{ version: 0, case-sensitive: false, roots: [ { type: directory, name: %s, contents: [\n", quoted(dir) }
  !/\// { printf "%s{ type: file, name: %s, external-contents: %s }\n", sep, quoted($0), quoted(dir "/" $0); sep = ", " }
  END { print "] } ] }" }' "$work/files" > "$work/overlay.yaml"

resource_dir=$("$CLANG" -print-resource-dir)
clang_flags=(--target=i686-w64-mingw32 -fsyntax-only -x c++ -std=gnu++11
  -nostdinc -isystem "$resource_dir/include" -isystem "$MINGW_INCLUDE"
  -I "$STANDIN" -ivfsoverlay "$work/overlay.yaml"
  -D_AFXDLL -D_WINDOWS -D_MT -ferror-limit=0 -fno-color-diagnostics
  -Wno-nonportable-include-path)
printf '%s\0' "${clang_flags[@]}" > "$work/clang.flags"

# Whether an error (FILE LINE MESSAGE) is allowed: "use of undeclared
# identifier 'X'" in a function allowed-diagnostics.txt lists with X; the
# function is the nearest line above starting with a name and "(".
allowed() {
  local file=$1 message=$3 identifier function
  [[ "$message" =~ ^use\ of\ undeclared\ identifier\ \'([A-Za-z_][A-Za-z0-9_]*)\'$ ]] || return 1
  identifier=${BASH_REMATCH[1]}
  function=$(head -n "$2" "$dir/$file" | tr -d '\r' | tac |
    grep -m1 -E '^[A-Za-z_~][^;]*\(' | sed -E 's/^([^(]*)\(.*/\1/; s/.*[ *&]//')
  awk -v f="$file" -v fn="$function" -v id="$identifier" '!/^[[:space:]]*#/ && tolower($1) == tolower(f) &&
    $2 == fn && $3 == id { found = 1 } END { exit !found }' "$ALLOWED"
}

sources=()
for src in "$dir"/*.cpp; do
  [ -z "$only" ] || [[ "$only" == *",$(basename "$src"),"* ]] && sources+=("$src")
done
allowed_count=0
if [ ${#sources[@]} -eq 0 ]; then
  fail "no .cpp file in $dir"
else
  # Each job runs clang on one source in one configuration into a log.
  for src in "${sources[@]}"; do printf '%s\0debug\0%s\0release\0' "$src" "$src"; done |
    CLANG=$CLANG work=$work xargs -0 -n 2 -P "$JOBS" bash -c '
      mapfile -d "" flags < "$work/clang.flags"
      [ "$2" = debug ] && flags+=(-D_DEBUG)
      "$CLANG" "${flags[@]}" "$1" > "$work/${1##*/}.$2.log" 2>&1
      echo $? > "$work/${1##*/}.$2.log.status"' job

  for src in "${sources[@]}"; do
    base=$(basename "$src")
    for config in debug release; do
      log="$work/$base.$config.log"
      bad=0 seen=0
      while IFS= read -r diag; do
        [[ $diag =~ ^(.+):([0-9]+):[0-9]+:\ (warning|error|fatal\ error):\ (.*)$ ]] || continue
        path=${BASH_REMATCH[1]} file=${BASH_REMATCH[1]#"$dir"/}
        seen=$((seen + 1))
        if [ "${BASH_REMATCH[3]}" = error ] && [ "$file" != "$path" ] &&
           allowed "$file" "${BASH_REMATCH[2]}" "${BASH_REMATCH[4]}"; then
          allowed_count=$((allowed_count + 1))
        else
          bad=$((bad + 1))
          [ "$bad" -lt 100 ] || break
        fi
      done < "$log"
      status=$(cat "$log.status")
      if [ "$bad" -gt 0 ] || { [ "$status" -ne 0 ] && [ "$seen" -eq 0 ]; }; then
        fail "$base ($config): $bad diagnostics that are not allowed; clang said:"
        sed 's/^/    /' "$log"
      fi
    done
  done
  echo "compiled ${#sources[@]} sources in 2 configurations; $allowed_count allowed diagnostics"
fi

# Resource script.
rc="$dir/$name.rc"
if [ -f "$rc" ]; then
  # windres reads a copy whose "res\\file" paths are absolute, found
  # regardless of case.
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
  echo "note: windres reads a copy of $name.rc whose res\\\\ paths are made absolute (Linux tools neither take backslash separators nor ignore case)"
  preprocessor_args=(-E -xc -DRC_INVOKED --target=i686-w64-mingw32 -nostdinc
    -isystem "$MINGW_INCLUDE" -I "$STANDIN" -ivfsoverlay "$work/overlay.yaml" -I "$dir"
    -Wno-nonportable-include-path)
  windres_args=(--preprocessor="$CLANG" "${preprocessor_args[@]/#/--preprocessor-arg=}")
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

# Pictures.
# Decodes PICTURE with ImageMagick; its size and pixels must be those of
# resources/SOURCE.pic (indices into the 16 colours, '.' transparent).
compare_pixels() {
  local picture=$1 source="$PICTURES/$2.pic"
  [ -f "$source" ] || { fail "no picture $source to compare $(basename "$picture") with"; return; }
  # Both as the size, then "r g b a" a pixel (a transparent one as 0 0 0 0).
  awk 'BEGIN { split("0 0 0,128 0 0,0 128 0,128 128 0,0 0 128,128 0 128,0 128 128,192 192 192," \
                     "128 128 128,255 0 0,0 255 0,255 255 0,0 0 255,255 0 255,0 255 255,255 255 255", rgb, ",") }
    { sub(/\r$/, "") } /^#/ || $0 == "" { next }
    !header { header = 1; print $2 "x" $3; next }
    { for (i = 1; i <= length($0); i++) { c = substr($0, i, 1); print c == "." ? "0 0 0 0" : rgb[index("0123456789ABCDEF", c)] " 255" } }
  ' "$source" > "$work/expected"
  { identify -format '%wx%h\n' "$picture" && convert "$picture" -depth 8 rgba:- | od -An -v -tu1 -w4 |
      awk '{ print $4 == 0 ? "0 0 0 0" : $1 " " $2 " " $3 " " $4 }'; } > "$work/decoded" 2>&1
  diff "$work/expected" "$work/decoded" > "$work/compare.log" || {
    fail "$(basename "$picture") does not hold the pixels of $2.pic (expected < > decoded; line 1 the size, then a pixel a line):"
    head -12 "$work/compare.log" | sed 's/^/    /'
  }
}

pictures=0
for picture in toolbar.bmp:TOOLBAR "$name"Doc.ico:MDICHILD "$name".ico:MFCVANTREL; do
  file=$(find_file "res/${picture%%:*}")
  [ -n "$file" ] || continue
  pictures=$((pictures + 1))
  compare_pixels "$dir/$file" "${picture#*:}"
done
[ "$pictures" -eq 0 ] || echo "decoded $pictures pictures"

# Units named by the project unit.
unit="$dir/$name.cpp"
if [ -f "$unit" ]; then
  while IFS= read -r named; do
    [ -n "$(find_file "$named")" ] || fail "$name.cpp names $named, which is not in the project"
  done < <(tr -d '\r' < "$unit" | sed -nE 's/^USE(UNIT|RC)\("([^"]*)"\);$/\2/p')
fi

finish check-project "$dir"
