#!/usr/bin/env bash
# Installs every Debian 12 package that building, playing and testing Lexorio needs.
# Idempotent: packages already present are left alone; apt is only asked when something is missing.
set -euo pipefail

PKGS=(
  # build (Qt Charts' CMake files need Qt OpenGL's, which its package does not bring)
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libfontconfig-dev
  googletest libgtest-dev
  # run
  timgm6mb-soundfont fonts-liberation2 fonts-comic-neue
  qt6-translations-l10n
  # the Latin lexicon that lexorio-testo and its tests read
  collatinus
  # headless runs and tests
  xvfb xauth python3
  # checks of the installed menu entry and software-centre description
  desktop-file-utils appstream
)

# --tools adds what regenerating the assets and looking at the game need;
# --package what building and checking the Debian package need (debootstrap for a clean system);
# --ci what the CI's extra stages need: clang with its sanitizer and libFuzzer runtimes.
for option in "$@"; do
  case "$option" in
    --tools) PKGS+=(whitakers-words-data whitakers-words mythes-it sox xdotool imagemagick librsvg2-bin) ;;
    --package) PKGS+=(file lintian debootstrap) ;;
    --ci) PKGS+=(clang libclang-rt-14-dev) ;;
  esac
done

missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# No recommends: ImageMagick's would bring fonts that change what "Comic Sans MS" resolves to.
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
