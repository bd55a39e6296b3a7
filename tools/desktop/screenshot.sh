#!/usr/bin/env bash
# Takes the software centre's screenshot (assets/desktop/screenshot.png) from the built game:
# a one-player game in progress at double scale. Needs a built build/play/lexorio and
# Xvfb, xdotool and ImageMagick (tools/install-deps.sh --tools). Usage: screenshot.sh [:display]
set -euo pipefail
cd "$(dirname "$0")/../.."
display="${1:-:97}"
root="$PWD"
work=$(mktemp -d)
cleanup() {
  [ -n "${game:-}" ] && kill "$game" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A directory of its own, so no saved settings of the build tree change the picture.
cp build/play/lexorio build/play/vocaboli.txt build/play/vocpers.txt build/play/*.wav build/play/musica.mid "$work"
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display" SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=2
(cd "$work" && exec ./lexorio) >/dev/null 2>&1 &
game=$!
window=$(xdotool search --sync --name '^Lexorio !$' | head -1)
sleep 2
xdotool windowfocus --sync "$window" key space        # the start screen: open the settings
settings=$(xdotool search --sync --name 'Impostazioni nuova partita' | head -1)
xdotool windowfocus --sync "$settings" key Return     # O.K. with the default settings
sleep 1
xdotool windowfocus --sync "$window"
sleep 1.3                                             # the highlight has walked a few boxes
import -window "$window" "$root/assets/desktop/screenshot.png"
identify "$root/assets/desktop/screenshot.png"
