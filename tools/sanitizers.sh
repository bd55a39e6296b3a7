#!/usr/bin/env bash
# Builds the tests a second time, with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# (leak detection on), in build-asan/, and runs them. Any report ends its test program with
# an error, so the run fails. Tests timed against the real clock (label "tempo") are left out:
# an instrumented build can not keep their times. With CI set, warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --ci

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DLEXORIO_SANITIZE=ON -DLEXORIO_WERROR="$([ -n "${CI:-}" ] && echo ON || echo OFF)" > /dev/null
cmake --build build-asan --target core_tests ui_tests file_tests audio_tests audio_tempo_tests lexorio-controlla lexorio-testo

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-asan
# The pictures' generator is Python: nothing to sanitize.
ctest --output-on-failure --timeout 300 -E '^pictures_generator$' -LE tempo
