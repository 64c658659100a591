#!/usr/bin/env bash
# Makes the PNG sizes of the program's icon from packaging/icons/halverin-yrn.svg
# (needs rsvg-convert, Debian package librsvg2-bin). The PNGs are kept in the
# repository, so building needs no SVG renderer.
set -euo pipefail
icons="$(cd "$(dirname "$0")/../packaging/icons" && pwd)"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/halverin-yrn.svg" -o "$icons/halverin-yrn-$size.png"
done
