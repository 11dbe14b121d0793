#!/usr/bin/env bash
# Runs a command on a virtual screen of its own (skipped, with status 77,
# without Xvfb): run-on-screen.sh LOG-DIR COMMAND [ARGS...]. The screen's
# log goes to LOG-DIR.
set -euo pipefail

shots=$1
shift
mkdir -p "$shots"
source "$(dirname "$0")/window-session.sh"
start_screen
"$@"
