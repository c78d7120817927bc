#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs rsvg-convert from librsvg2-bin). The PNGs
# are committed, so a build needs no SVG renderer; run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../dist/linux/icons"
name=com.veltrano.KorvexTabulor
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$name-$size.png" "$name.svg"
done
