#!/usr/bin/env bash
# The compile checks as the test suite runs them:
#   run-checks.sh VANTREL projects   a project per view base class, each
#       under another name, through check-project.sh;
#   run-checks.sh VANTREL faults     a project with one file broken by one
#       character, which check-project.sh must fail and name.
set -uo pipefail
[ $# -eq 2 ] && [ -x "$1" ] && [[ $2 =~ ^(projects|faults)$ ]] || { echo "usage: $0 VANTREL projects|faults" >&2; exit 2; }
vantrel=$1 mode=$2
export VANTREL=$vantrel
CHECK="$(dirname "$0")/check-project.sh"
source "$(dirname "$0")/../lib/common.sh"
need clang i686-w64-mingw32-windres identify convert perl
make_work run-checks

generate() {  # generate DIR NAME BASE
  mkdir -p "$1" &&
    "$vantrel" new "$2" --location "$1" --view-base "$3" > "$1.log" 2>&1 ||
    { fail "vantrel new $2 --view-base $3 failed:"; cat "$1.log"; return 1; }
}

case "$mode" in
projects)
  # Names of other lengths and cases vary {NAME} and the include lines.
  names=(Demo Notes lister Rich_1 Scroller tree2)
  bases=$("$vantrel" --view-bases) || { echo "FAIL: $vantrel --view-bases"; exit 1; }
  i=0
  for base in $bases; do
    name=${names[i]:-Project$i}
    i=$((i + 1))
    echo "=== $name ($base)"
    generate "$work/$name" "$name" "$base" && { "$CHECK" "$work/$name" || fail "$name ($base)"; }
  done
  ;;
faults)
  generate "$work/good" Demo CView || exit 1
  if ! "$CHECK" "$work/good" > "$work/good.check" 2>&1; then
    echo "FAIL: the unchanged project does not pass, so no fault can be told apart:"
    cat "$work/good.check"
    exit 1
  fi
  # file|text|its replacement, one character off|the fault|sources to compile
  faults=(
    'Demo.cpp|aboutDlg.DoModal();|aboutDlg.DoModal()|missing semicolon|Demo.cpp'
    'Demo.cpp|ON_COMMAND(ID_APP_ABOUT, OnAppAbout)|ON_COMMAND(ID_APP_ABOUT, OnAppAbot)|misspelt handler in a message map|Demo.cpp'
    'Demo.cpp|#include "Demodoc.h"|#include "Demodoc.g"|misspelt include of a project file|Demo.cpp'
    'DemoView.cpp|IMPLEMENT_DYNCREATE(CDemoView, CView)|IMPLEMENT_DYNCREATE(CDemoVew, CView)|misspelt class in a run-time class macro|DemoView.cpp'
    'DemoDoc.cpp|CDocument::AssertValid();|CDocument::AssertValud();|misspelt call compiled only in debug builds|DemoDoc.cpp'
    'DemoView.h|{ return (CDemoDoc*)m_pDocument; }|{ return (CDemoDoc*)m_pDocumnt; }|misspelt member compiled only in release builds|DemoView.cpp'
    'MainFrm.cpp|sizeof(buttons)/sizeof(UINT)|sizeof(buttons)/sizeof(UNT)|misspelt type|MainFrm.cpp'
    'stdafx.h|#include <afxext.h>|#include <afxext.g>|misspelt class library header|stdafx.cpp'
    'Demo.rc|IDR_MAINFRAME MENU PRELOAD DISCARDABLE|IDR_MAINFRAME MENU PRELOAD DISCARDABLF|misspelt resource keyword|stdafx.cpp'
    'Demo.rc|"res\\toolbar.bmp"|"res\\toolbar.bnp"|resource naming a missing file|stdafx.cpp'
    'resource.h|128|12B|mistyped resource identifier value|Demo.cpp'
    'toolbar.h|#define CToolBar COldToolBar|#define CToolBar COldToolBas|misspelt class mapping|MainFrm.cpp'
  )
  for fault in "${faults[@]}"; do
    IFS='|' read -r file find replace what only <<< "$fault"
    rm -rf "$work/bad" && cp -r "$work/good" "$work/bad"
    FIND=$find REPLACE=$replace perl -0777 -pi -e \
      'my $at = index($_, $ENV{FIND}); die "not found\n" if $at < 0;
       substr($_, $at, length $ENV{FIND}) = $ENV{REPLACE};' "$work/bad/$file" 2> "$work/perl.log"
    if [ -s "$work/perl.log" ]; then
      fail "$file does not hold \"$find\"; the fault ($what) cannot be made"
    elif "$CHECK" ${only:+--sources="$only"} "$work/bad" > "$work/bad.check" 2>&1; then
      fail "$file with a $what passes the check"
    elif ! grep -qF "$file" "$work/bad.check"; then
      fail "$file with a $what fails the check, but the report does not name $file:"
      grep '^FAIL' "$work/bad.check"
    else
      echo "caught: $file with a $what"
    fi
  done
  ;;
esac
finish run-checks
