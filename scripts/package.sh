#!/usr/bin/env bash
# Builds KORVEX Tabulor and makes its Debian package with CPack; prints the package's path.
# Usage: scripts/package.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" >&2
(cd "$build" && cpack -G DEB >&2)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
realpath "$build/korvex-tabulor_${version}_$(dpkg --print-architecture).deb"
