#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX PROGRAM [ARGS...].
# The Wine prefix (the virtual C: drive and registry) is the build's own and
# is made on first use. DLL overrides keep Wine from offering to install
# .NET and Gecko, which would wait for a click; WINEDEBUG silences its
# diagnostics so that only the program's own output is seen.
set -euo pipefail
# Wine takes only an absolute prefix; a relative one is taken from here.
prefix=$(realpath -m "$1")
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine has no Arial of its own; the dialogs' Arial is drawn with Liberation
# Sans, which has the same metrics (fonts-liberation), as the Linux build's
# windows do.
fonts_stamp=$prefix/vantrel-fonts.stamp
if [ ! -f "$fonts_stamp" ]; then
  mkdir -p "$(dirname "$prefix")"
  # Tests may start side by side; only one of them makes the prefix.
  (
    flock 9
    if [ ! -f "$prefix/system.reg" ]; then
      wineboot --init >/dev/null 2>&1
      wineserver --wait
    fi
    if [ ! -f "$fonts_stamp" ]; then
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
      wineserver --wait
      touch "$fonts_stamp"
    fi
  ) 9>"$prefix.lock"
fi
# A Wine server started by the program would inherit its output and keep it
# open for a while after the program ends, which makes whoever reads that
# output (ctest) wait. Start the server here, detached, unless it runs; it
# stays a few seconds after its last program, for the next one.
wineserver --persistent=10 </dev/null >/dev/null 2>&1 || true
exec wine "$@"
