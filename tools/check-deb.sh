#!/usr/bin/env bash
# The long check of the Debian package, kept out of CI: installs build-deb/lexorio_*.deb with
# apt-get (no recommended packages, so Depends alone must suffice) into a clean Debian 12 made by
# debootstrap under build/, then, as a new user under xvfb-run, starts the game from its menu
# entry, saves settings, plays, quits, starts it again and checks that the settings stayed.
# Screenshots land in build/check-deb/. Needs root, and ./tools/package.sh run first.
# Usage: tools/check-deb.sh [display number, default 94]
set -euo pipefail
cd "$(dirname "$0")/.."
display="${1:-94}"
deb=$(ls build-deb/lexorio_*.deb)
./tools/install-deps.sh --package

# The same mirror as this machine's apt.
mirror=$(sed -n 's/^URIs: *\(.*\/debian\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}
base=build/debian12-base
root=build/debian12
if [ ! -x "$base/usr/bin/apt-get" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror"
  cat > "$base/etc/apt/sources.list" <<LIST
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
LIST
fi
rm -rf "$root" build/check-deb
cp -a "$base" "$root"
mkdir -p build/check-deb
cleanup() {
  for m in dev/pts dev proc; do mountpoint -q "$root/$m" && umount "$root/$m"; done
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp "$deb" "$root/tmp/"

echo "== apt-get install ./$(basename "$deb") in a clean Debian 12"
chroot "$root" /bin/bash -c "export DEBIAN_FRONTEND=noninteractive; apt-get update -qq && cd /tmp &&
  apt-get install -y --no-install-recommends ./$(basename "$deb")" | grep -E 'newly installed|Setting up lexorio'
# Only now the tools to drive and watch it.
chroot "$root" /bin/bash -c 'export DEBIAN_FRONTEND=noninteractive; apt-get install -y -qq --no-install-recommends \
  xvfb xauth xdotool imagemagick libglib2.0-bin > /dev/null && useradd -m allievo'

cat > "$root/tmp/menu.sh" <<'RUN'
#!/bin/bash
# As a new user: the menu entry, the settings window (10 words, speed 5, saved), a few answers,
# the quit question; then a second start with the settings window open.
set -u
export SDL_AUDIODRIVER=dummy
dati=~/.local/share/lexorio
# This user's game (the chroot sees the host's processes too).
gioco() { for p in $(pidof lexorio); do [ "$(stat -c %U /proc/$p)" = allievo ] && echo "$p"; done; }
avvia() {
  (cd / && gio launch /usr/share/applications/org.example.Lexorio.desktop)
  win=$(xdotool search --sync --name '^Lexorio !$' | head -1)
  sleep 3
}
impostazioni() {
  xdotool windowfocus --sync "$win" key space
  set=$(xdotool search --sync --name 'Impostazioni nuova partita' | head -1)
  sleep 1
  xdotool windowfocus --sync "$set"
}
avvia
echo "working directory: $(readlink /proc/$(gioco)/cwd)"
import -window root /tmp/1-start.png
impostazioni
xdotool mousemove 618 562 click 1; sleep 0.3                                 # 10 vocaboli
xdotool mousemove 682 499 click 1; sleep 0.3; xdotool click 1; sleep 0.3     # speed 5
xdotool mousemove 962 571 click 1; sleep 0.5                                 # Salva impostazioni
import -window root /tmp/2-settings.png
xdotool mousemove 962 500 click 1; sleep 1.5                                 # O.K.
xdotool windowfocus --sync "$win"
for i in $(seq 1 12); do xdotool key Return; sleep 0.4; done
import -window root /tmp/3-game.png
xdotool key Escape; sleep 1
xdotool windowfocus --sync "$(xdotool search --name 'Fine lavoro' | head -1)" key Return; sleep 1
[ -n "$(gioco)" ] && echo "the game did not end" || echo "the game ended"
(cd "$dati" && sha256sum --quiet -c .originali.sha256 && echo "seeded files match their record")
tr -d '\r' < "$dati/lexorio.ini" | grep -E '^(Velocita|Quante)' | sort -u | tr '\n' ' '; echo
avvia
impostazioni
import -window root /tmp/4-second-start.png
RUN
chmod +x "$root/tmp/menu.sh"
echo "== the game from its menu entry, as a new user under xvfb-run"
chroot "$root" su - allievo -c "xvfb-run -n $display -s '-screen 0 1600x1200x24 -nolisten tcp' /tmp/menu.sh" 2>&1 |
  grep -v XDG_RUNTIME_DIR || true
cp "$root"/tmp/*.png build/check-deb/
ls build/check-deb
