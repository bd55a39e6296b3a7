#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (the core instrumented for coverage,
# AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/, and runs each for a
# bounded time from its committed seeds and dictionary. Any crash, sanitizer report, leak,
# broken property or timeout fails the script; the input that did it is kept in
# build-fuzz/artifacts/.
#   tools/fuzz.sh                 every target, LEXORIO_FUZZ_SECONDS (default 60) seconds each,
#                                 LEXORIO_FUZZ_JOBS (default: the number of cores) at a time
#   tools/fuzz.sh fuzz_midi ...   only these
# New inputs found are kept in build-fuzz/corpus/<target>/, so later runs start further on.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --ci
secondi=${LEXORIO_FUZZ_SECONDS:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DLEXORIO_FUZZ=ON -DLEXORIO_WERROR="$([ -n "${CI:-}" ] && echo ON || echo OFF)" > /dev/null
cmake --build build-fuzz --target fuzz

if [ $# -gt 0 ]; then
  bersagli=("$@")
else
  bersagli=()
  for sorgente in fuzz/fuzz_*.cpp; do
    bersagli+=("$(basename "$sorgente" .cpp)")
  done
fi

# One target: its log in build-fuzz/<target>.log, one line of outcome in build-fuzz/<target>.esito.
corri() {
  local b=$1 registro="build-fuzz/$1.log"
  mkdir -p "build-fuzz/corpus/$b"
  local opzioni=(-max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
                 -artifact_prefix="build-fuzz/artifacts/$b-")
  [ -f "fuzz/$b.dict" ] && opzioni+=(-dict="fuzz/$b.dict")
  local semi=()
  [ -d "fuzz/corpus/$b" ] && semi+=("fuzz/corpus/$b")
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
       "build-fuzz/fuzz/$b" "${opzioni[@]}" "build-fuzz/corpus/$b" "${semi[@]}" > "$registro" 2>&1; then
    # Executions, coverage (edges of our code), features, corpus size.
    local esecuzioni riga
    esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
    riga=$(grep -E '^#[0-9]+' "$registro" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' || true)
    echo "ok $b: ${esecuzioni:-?} executions in ${secondi}s, ${riga:-no coverage line}" > "build-fuzz/$b.esito"
  else
    echo "FAILED $b" > "build-fuzz/$b.esito"
  fi
}

# Each target is one process on one core: as many at once as there are cores.
paralleli=${LEXORIO_FUZZ_JOBS:-$(nproc)}
mkdir -p build-fuzz/artifacts
for b in "${bersagli[@]}"; do
  rm -f "build-fuzz/$b.esito"
  corri "$b" &
  while [ "$(jobs -rp | wc -l)" -ge "$paralleli" ]; do wait -n || true; done
done
wait

falliti=()
for b in "${bersagli[@]}"; do
  esito=$(cat "build-fuzz/$b.esito" 2>/dev/null || echo "FAILED $b")
  if [[ $esito == ok* ]]; then
    echo "${esito#ok }"
  else
    echo "$b: FAILED (log: build-fuzz/$b.log)"
    grep -E 'ERROR|SUMMARY|Test unit written|deadly signal' "build-fuzz/$b.log" | head -20 || true
    tail -40 "build-fuzz/$b.log" || true
    falliti+=("$b")
  fi
done

if [ ${#falliti[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${falliti[*]}"
  exit 1
fi
