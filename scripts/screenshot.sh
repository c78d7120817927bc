#!/usr/bin/env bash
# Screenshots of the main window under Xvfb, connected to korvex-host-sim with the realistic example:
# after an offline read (toolbar button 2), and with the settings menu open.
# Usage: scripts/screenshot.sh OUTPUT_FOLDER [LANGUAGE]
# With a LANGUAGE (a name of the language menu, e.g. Czech) the program starts in it and the files are
# named main-window-<language>.png and settings-menu-<language>.png.
# Needs xvfb, imagemagick (import) and xdotool besides the build; a developer installs them by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath "$1")
mkdir -p "$out"
bin=build/release/bin
settings=$(mktemp -d)
cp -r "$bin/LanguageFiles" examples/demo/HeaderData.cfg "$settings/"
suffix=""
if [[ $# -ge 2 ]]; then
    printf '[LanguageSettings]\nLanguage=%s\n' "$2" >"$settings/machine.ini"
    suffix="-${2,,}"
fi

xvfb-run -a -s "-screen 0 1280x860x24" dbus-run-session -- bash -c '
    set -euo pipefail
    bin=$1 out=$2 settings=$3 suffix=$4
    export KORVEX_TABULOR_MACHINE_SETTINGS=$settings/machine.ini KORVEX_TABULOR_USER_SETTINGS=$settings/user.ini
    export KORVEX_TABULOR_HOME=$settings
    "$bin/korvex-host-sim" --no-window examples/housing.json & host=$!
    sleep 1
    "$bin/korvex-tabulor" & tabulor=$!
    sleep 3
    window=$(xdotool search --name "KORVEX - Tabulor" | head -n 1)
    xdotool windowmove --sync "$window" 0 0
    sleep 1
    xdotool mousemove 64 42 click 1
    sleep 2
    xdotool mousemove 120 300 click 1
    sleep 1
    import -window root -crop 1120x780+0+0 "$out/main-window$suffix.png"
    xdotool mousemove 96 9 click 1
    sleep 1
    import -window root -crop 1120x780+0+0 "$out/settings-menu$suffix.png"
    kill $tabulor $host' _ "$bin" "$out" "$settings" "$suffix"
