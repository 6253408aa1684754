#!/usr/bin/env bash
# Renders data/icons/numbers3.svg into the PNG sizes the desktop asks for.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" numbers3.svg -o "${size}x${size}/numbers3.png"
done
ls -1 */numbers3.png
