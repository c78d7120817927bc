#!/usr/bin/env bash
# Builds KORVEX Tabulor and starts it. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release --parallel "$(nproc)" --target korvex-tabulor
# Without a display the program runs on Qt's offscreen platform.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi
exec build/release/bin/korvex-tabulor "$@"
