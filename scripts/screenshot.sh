#!/usr/bin/env bash
# Starts korvex-tabulor under Xvfb and saves a screenshot of the screen.
# Usage: scripts/screenshot.sh OUTPUT.png [SECONDS] -- [PROGRAM ARGUMENTS...]
# Needs xvfb, imagemagick (import) and xdotool, which a developer installs by hand.
set -euo pipefail
output=$1
wait_seconds=${2:-3}
shift 2 || shift $#
[[ ${1:-} == "--" ]] && shift
bin=$(dirname "$0")/../build/release/bin/korvex-tabulor
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$0" "${@:3}" &
    program=$!
    sleep "$2"
    import -window root "$1"
    kill $program' "$bin" "$output" "$wait_seconds" "$@"
