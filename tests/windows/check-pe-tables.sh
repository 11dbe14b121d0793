#!/usr/bin/env bash
# The import and export tables of the Windows binaries (objdump -p):
#   check-pe-tables.sh OBJDUMP EXPERT.DLL PROGRAM.EXE...
# Every binary may import from Windows system libraries only: the compiler's
# runtime (libgcc, libstdc++, winpthread) is linked in, so a user needs
# nothing besides the DLL. The expert library must export exactly its entry
# point, as code, and the four dialog instances, as data, by their plain
# names.
set -euo pipefail
objdump=$1 expert=$2
shift 2
source "$(dirname "$0")/../lib/common.sh"

# Windows ignores the case of library names; so does this check.
system_dlls='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|OLEAUT32|COMDLG32|COMCTL32|MSVCRT)\.DLL$'
for binary in "$expert" "$@"; do
  imports=$("$objdump" -p "$binary" | awk '/DLL Name:/ { print $3 }')
  [ -n "$imports" ] || fail "$binary: no import table read"
  while read -r dll; do
    [[ ${dll^^} =~ $system_dlls ]] || fail "$binary imports $dll, which is not a Windows system library"
  done <<<"$imports"
done

# The export names, each with the section its address falls in.
exports=$("$objdump" -p -h "$expert" | awk '
  function hex(text,   value, i) {
    value = 0
    text = tolower(text)
    for (i = 1; i <= length(text); i++) value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
    return value
  }
  BEGIN { n = 0 }
  /^ImageBase/ { base = hex($2) }
  /^ *[0-9]+ \.[a-z]+ / { name[n] = $2; start[n] = hex($4); size[n] = hex($3); n++ }
  /^Export Address Table -- Ordinal Base/ { ordinalBase = $NF; inTable = 1; next }
  inTable && /Export RVA/ { gsub(/[][+]/, " "); rva[$1] = hex($(NF - 2)); next }
  inTable && /^$/ { inTable = 0 }
  /^\[Ordinal\/Name Pointer\] Table/ { inNames = 1; next }
  inNames && /^\t\[/ { gsub(/[][]/, " "); names[$1] = $2; next }
  inNames && /^$/ { inNames = 0 }
  END {
    for (i in names) {
      address = base + rva[i]; section = "?"
      for (s = 0; s < n; s++) if (address >= start[s] && address < start[s] + size[s]) section = name[s]
      print names[i], section
    }
  }')
# Code lives in .text; the dialog instances are variables (.data or .bss).
same_lines "$expert exports" "$(printf '%s\n' "DirChooser data" "INITEXPERT0017 code" "NewDlg data" "NewProInfo data" "Vantrel data")" \
  "$(sed -e 's/ \.text$/ code/' -e 's/ \.\(data\|bss\)$/ data/' <<<"$exports")"
finish "import and export tables"
