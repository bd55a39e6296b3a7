#!/usr/bin/env bash
# Renders the program's icon (assets/pictures/lexorio.svg) into the PNG sizes of the desktop's
# hicolor theme, assets/desktop/icons/<N>x<N>.png. Needs rsvg-convert (tools/install-deps.sh --tools).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=assets/desktop/icons
mkdir -p "$out"
for n in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$n" --height "$n" --keep-aspect-ratio assets/pictures/lexorio.svg -o "$out/${n}x${n}.png"
done
