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
# One line a test program; a failing one's whole output. Everything each program printed is kept
# in $BUILD/Testing/ctest.log.
ctest_status=0
mkdir -p "$BUILD/Testing"  # ctest makes it only as it starts, after tee opens its file
ctest --test-dir "$BUILD" --output-on-failure --output-log "$BUILD/Testing/ctest.log" |
  tee "$BUILD/Testing/ctest-summary.log" || ctest_status=$?

# The browser stage (platform/web, docs/web.md), once built in build-test-web (DAZI_WEB=1 builds
# it): the module against the native console under node, the page in headless chromium.
if [[ -f build-test-web/CMakeCache.txt || ${DAZI_WEB:-0} == 1 ]]; then
  { bash scripts/install-deps.sh --web && platform/web/build.sh "$BUILD/bin" build-test-web &&
    ctest --test-dir build-test-web --output-on-failure; } |
    tee -a "$BUILD/Testing/ctest-summary.log" || ctest_status=1
fi

# Each fuzz target a few seconds (a clang build of its own in build-fuzz, see README).
fuzz_status=0
scripts/fuzz.sh --fresh 5 | tee "$BUILD/Testing/fuzz-summary.log" || fuzz_status=$?

# The verdict: test programs and fuzz targets.
passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$BUILD/Testing/ctest-summary.log" || true)
failed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*(Failed|Exception|Timeout|Not Run)' \
  "$BUILD/Testing/ctest-summary.log" || true)
passed=$((passed + $(grep -cE '^fuzz_[a-z]+: ' "$BUILD/Testing/fuzz-summary.log" || true)))
failed=$((failed + $(grep -cE '^fuzz_[a-z]+ FAILED' "$BUILD/Testing/fuzz-summary.log" || true)))
((ctest_status || fuzz_status)) && ((failed == 0)) && failed=1
echo "$passed passed, $failed failed"
((failed == 0))
