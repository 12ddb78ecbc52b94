#!/usr/bin/env bash
# Installs what is missing, builds dazi (and its dictionaries) and starts it.
# Arguments are passed on, e.g. ./run.sh --data DIR
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh

BUILD=build
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DDAZI_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target dazi
exec "$BUILD/bin/dazi" "$@"
