#!/usr/bin/env bash
# Installs every Debian package that building, running and testing KORVEX Tabulor needs.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
    libzip-dev libpugixml-dev
    libgtest-dev googletest libbenchmark-dev
    dbus-daemon dbus-bin
    xvfb xauth openbox
    python3 python3-openpyxl
    libreoffice-calc-nogui
    clang libclang-rt-14-dev
    poppler-utils python3-pil
    dpkg-dev lintian desktop-file-utils appstream man-db
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    echo "setup: all packages present"
    exit 0
fi

sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
echo "setup: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
