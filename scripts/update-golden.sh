#!/usr/bin/env bash
# Rewrites tests/golden from the vantrel of a build, after a deliberate
# change of the generated text; review the diff before committing it.
#
#   scripts/update-golden.sh [BUILD_DIR]      (default: build)
#
# tests/golden/CView holds the whole project "Demo" with the default view
# base class; tests/golden/<Base> holds, for each other base the wizard
# offers, only the files whose bytes differ from those. Each file is named
# as generated, with the suffix ".golden".
set -euo pipefail
cd "$(dirname "$0")/.."
vantrel=${1:-build}/vantrel
[ -x "$vantrel" ] || { echo "update-golden: no $vantrel; build first" >&2; exit 2; }

golden=tests/golden
work=$(mktemp -d "${TMPDIR:-/tmp}/update-golden.XXXXXX")
trap 'rm -rf "$work"' EXIT

default=$("$vantrel" --view-bases | head -n 1)
for base in $("$vantrel" --view-bases); do
  mkdir -p "$work/$base"
  "$vantrel" new Demo --location "$work/$base" --view-base "$base" > /dev/null
done
# Golden files carry the suffix ".golden", so that no tool takes them for
# the project's sources.
find "$work" -type f -exec mv {} {}.golden \;
rm -rf "$golden"
mkdir -p "$golden"
cp -r "$work/$default" "$golden/$default"
for base in $("$vantrel" --view-bases); do
  [ "$base" = "$default" ] && continue
  (cd "$work/$base" && find . -type f | sed 's|^\./||' | sort) | while IFS= read -r file; do
    if ! cmp -s "$work/$base/$file" "$golden/$default/$file"; then
      mkdir -p "$(dirname "$golden/$base/$file")"
      cp "$work/$base/$file" "$golden/$base/$file"
    fi
  done
done
echo "update-golden: rewrote $golden; review it with git diff --stat $golden"
