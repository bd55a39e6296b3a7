#!/usr/bin/env bash
# CI stage: installs the build into a scratch prefix and checks what a desktop sees there — the
# menu entry and the software-centre description pass their validators, every icon, manual page
# and shipped file is where it belongs, and the installed game, started from / with a fresh
# HOME, seeds its data directory from the shipped files. Run after ./test.sh (it reuses build/).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target lexorio lexorio-controlla documenti > /dev/null

id=org.example.Lexorio
version=$(sed -n 's/^project(Lexorio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
scratch=$(mktemp -d)
game=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix="$scratch/prefix"
cmake --install build --prefix "$prefix" > /dev/null

fail=0
problem() { echo "check-install: $*" >&2; fail=1; }

expected=(
  bin/lexorio bin/lexorio-controlla
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man6/lexorio.6.gz share/man/man1/lexorio-controlla.1.gz
  share/doc/lexorio/copyright share/doc/lexorio/changelog.gz
  share/lexorio/vocaboli.txt share/lexorio/vocpers.txt share/lexorio/Right.wav share/lexorio/Wrong.wav
  share/lexorio/Vittoria.wav share/lexorio/musica.mid
)
for n in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${n}x${n}/apps/$id.png"); done
# The sound module, which the game loads from its private library directory.
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' build/CMakeCache.txt)
expected+=("${libdir:-lib}/lexorio/liblexorio-audio.so" "${libdir:-lib}/lexorio/liblexorio-progressi.so")
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || problem "not installed: $f"; done

desktop-file-validate "$prefix/share/applications/$id.desktop" || problem "desktop-file-validate failed"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || problem "appstreamcli validate failed"

# What the validators do not compare: the pieces must name each other.
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$desktop" || problem "the menu entry's Icon is not $id"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_name" ] || problem "the menu entry starts '$exec_name', which is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || problem "metainfo launchable is not $id.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || problem "newest release in the metainfo is $newest, the project is $version"
logged=$(zcat "$prefix/share/doc/lexorio/changelog.gz" | head -1 | sed -n 's/^lexorio (\([^)]*\)).*/\1/p')
[ "$logged" = "$version" ] || problem "newest entry of the package's changelog is $logged, the project is $version"
python3 - "$prefix/share/icons/hicolor" <<'PY' || problem "icon sizes do not match their folders"
import pathlib, struct, sys
bad = 0
for png in pathlib.Path(sys.argv[1]).glob("*x*/apps/*.png"):
    w, h = struct.unpack(">II", png.read_bytes()[16:24])
    if f"{w}x{h}" != png.parent.parent.name:
        print(f"{png}: {w}x{h}", file=sys.stderr); bad = 1
sys.exit(bad)
PY
for m in "$prefix"/share/man/man*/*.gz "$prefix"/share/doc/lexorio/*.gz; do gzip -t "$m" || problem "broken $m"; done

# The installed game finds its shipped files from wherever it is installed: started from /
# with a fresh HOME it seeds the data directory (and is stopped once it has).
home="$scratch/home"
mkdir -p "$home"
(cd / && HOME="$home" XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
   exec "$prefix/bin/lexorio") > "$scratch/game.log" 2>&1 &
game=$!
data="$home/.local/share/lexorio"
for _ in $(seq 200); do
  [ -f "$data/.originali.sha256" ] && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
game=""
if [ -f "$data/.originali.sha256" ]; then
  (cd "$data" && sha256sum --quiet -c .originali.sha256) || problem "seeded files differ from their record"
  for f in vocaboli.txt vocpers.txt Right.wav Wrong.wav Vittoria.wav musica.mid; do
    cmp -s "$data/$f" "$prefix/share/lexorio/$f" || problem "$f was not seeded from the shipped copy"
  done
else
  problem "the installed game did not seed $data"; cat "$scratch/game.log" >&2
fi

[ "$fail" -eq 0 ] && echo "check-install: installed files, menu entry, metainfo and data directory are fine"
exit "$fail"
