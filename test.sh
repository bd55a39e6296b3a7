#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test (no display or sound card needed).
# With CI set in the environment, compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DLEXORIO_WERROR="$([ -n "${CI:-}" ] && echo ON || echo OFF)" > /dev/null
cmake --build build
cd build
ctest --output-on-failure --timeout 300
