#!/usr/bin/env bash
# Installs every Debian package that building, running and testing KORVEX Tabulor needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    libzip-dev
    libgtest-dev googletest libbenchmark-dev
    dbus-daemon dbus-bin
    xvfb xauth openbox xdotool
    python3 python3-openpyxl
    clang libclang-rt-14-dev
    poppler-utils python3-pil
    dpkg-dev lintian desktop-file-utils appstream man-db
)

# The office suite: Calc with its X11 plugin (a headless office still loads documents with a view),
# and the SDK the Calc plugin is built with. Their recommendations would bring in Java.
office_packages=(libreoffice-calc libreoffice-dev)

missing_of() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || echo "$package"
    done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_office < <(missing_of "${office_packages[@]}")

if ((${#missing[@]} == 0 && ${#missing_office[@]} == 0)); then
    echo "setup: all packages present"
    exit 0
fi

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
echo "setup: installing ${missing[*]} ${missing_office[*]}"
"${sudo_cmd[@]}" apt-get update -q
if ((${#missing[@]} > 0)); then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
fi
if ((${#missing_office[@]} > 0)); then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing_office[@]}"
fi
