#!/usr/bin/env bash
# scripts/fuzz.sh [--fresh] SECONDS [TARGET...]: builds the libFuzzer targets (clang, ASan, UBSan) in
# build-fuzz and runs each for SECONDS, one after another: startup (damaged dictionaries and
# user files at start-up), keys (key and command lines through the console session),
# validator (dazi-dictbuild --check on damaged dictionaries). The targets read the
# dictionaries and lessons of build-test (made here when missing). Each keeps its growing corpus in
# build-fuzz/corpus/TARGET; a fault leaves its input in build-fuzz/findings/TARGET and makes the
# script fail. Each run's log is added to build-fuzz/logs/TARGET.log. --fresh (test.sh) starts
# from the seeds alone and keeps nothing new, so its time does not grow with the corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

FRESH=0
if [[ ${1:-} == --fresh ]]; then
  FRESH=1
  shift
fi
if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [--fresh] SECONDS [startup|keys|validator ...]" >&2
  exit 2
fi
SECONDS_EACH=$1
shift
TARGETS=("$@")
((${#TARGETS[@]})) || TARGETS=(startup keys validator)

DICTIONARIES=${DAZI_FUZZ_DICTIONARIES:-$PWD/build-test/bin}
if [[ ! -f $DICTIONARIES/srf_pub.zy || ! -f $DICTIONARIES/lessons/generated.list ]]; then
  cmake -S . -B build-test -DDAZI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  cmake --build build-test -j"$(nproc)" --target dazi_dictionaries dazi_lessons_folder
fi
BUILD=build-fuzz
cmake -S . -B "$BUILD" -DDAZI_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DDAZI_FUZZ_DICTIONARIES="$DICTIONARIES" >/dev/null
targets=()
for t in "${TARGETS[@]}"; do targets+=(--target "fuzz_$t"); done
cmake --build "$BUILD" -j"$(nproc)" "${targets[@]}" --target fuzz_corpora

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=0
for t in "${TARGETS[@]}"; do
  corpus=$BUILD/corpus/$t findings=$BUILD/findings/$t log=$BUILD/logs/$t.log
  if ((FRESH)); then
    corpus=$BUILD/corpus/fresh-$t
    rm -rf "$corpus"
  fi
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  extra=()
  [[ $t == keys ]] && extra+=(-dict=fuzz/keys.dict)
  run=$BUILD/logs/$t.last
  # One process; 30 s for one input is a hang.
  if "$BUILD/bin/fuzz_$t" -max_total_time="$SECONDS_EACH" -timeout=30 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="$findings/" "${extra[@]}" \
      "$corpus" "$BUILD/seeds/$t" >"$run" 2>&1; then
    echo "fuzz_$t: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$run" | tail -1)"
  else
    failed=1
    echo "fuzz_$t FAILED, input in $findings:"
    grep -E 'ERROR|SUMMARY|fuzz:' "$run" | head -5
  fi
  { echo "=== $(date -u +%FT%TZ) fuzz_$t, $SECONDS_EACH s"; cat "$run"; } >>"$log"
  ((FRESH)) && rm -rf "$corpus"
done
exit $failed
