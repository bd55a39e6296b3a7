#!/usr/bin/env bash
# Builds the Debian package build-deb/lexorio_<version>_<arch>.deb (a release build with Debian's
# hardening flags, only the programs and what they ship) and runs lintian over it.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh --package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# The tests, tools and benchmarks are not shipped: installing must not wait for them.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON > /dev/null
cmake --build build-deb --target lexorio lexorio-controlla documenti
(cd build-deb && rm -f lexorio_*.deb && cpack -G DEB > /dev/null)
deb=$(ls build-deb/lexorio_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
lintian --info "$deb"
