#!/usr/bin/env bash
# Builds KORVEX Tabulor and the host simulator, starts korvex-host-sim with the realistic example part
# program, and starts korvex-tabulor connected to it. Arguments are passed to korvex-tabulor.
#
# Without a display it runs what a part program's batch file runs: an unattended offline read ("/a")
# with the demo settings of examples/demo, and prints the result file it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]]; then
    exec dbus-run-session -- "$0" "$@"
fi

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --parallel "$(nproc)" --target korvex-tabulor korvex-host-sim
bin=build/release/bin

host_name=com.dornwell.KORVEX
"$bin/korvex-host-sim" --no-window examples/housing.json &
host=$!
trap 'kill $host 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$host_name" 2>/dev/null | grep -q true && break
    sleep 0.1
done

# A program folder of its own, with the header-data list of the example.
home=$(mktemp -d)
cp -r "$bin/LanguageFiles" examples/demo/HeaderData.cfg "$home/"
export KORVEX_TABULOR_HOME=$home

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    "$bin/korvex-tabulor" "$@"
    exit
fi

demo=$(mktemp -d)
mkdir "$demo/results"
sed "s|@RESULTS@|$demo/results|" examples/demo/KORVEX_Tabulor.ini >"$demo/machine.ini"
export QT_QPA_PLATFORM=offscreen
export KORVEX_TABULOR_MACHINE_SETTINGS=$demo/machine.ini
export KORVEX_TABULOR_USER_SETTINGS=$demo/user.ini
status=0
"$bin/korvex-tabulor" "${@:-/a}" || status=$?
for result in "$demo"/results/*; do
    [[ -f $result ]] || continue
    echo "== $result"
    iconv -f WINDOWS-1252 -t UTF-8 "$result"
done
exit $status
