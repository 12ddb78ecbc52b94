#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and UBSan, runs every test.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh

BUILD=build-test
cmake -S . -B "$BUILD" -DDAZI_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build "$BUILD" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Verbose: every test program's own GoogleTest report, summary lines included.
ctest --test-dir "$BUILD" --output-on-failure -V

# Each fuzz target a few seconds (a clang build of its own in build-fuzz, see README).
scripts/fuzz.sh --fresh 5
