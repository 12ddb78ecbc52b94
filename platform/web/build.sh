#!/usr/bin/env bash
# Builds the browser stage: platform/web/build.sh NATIVE_BIN WEB_BUILD_DIR
# NATIVE_BIN is the bin folder of a native build that already holds the dictionaries, the
# lessons and dazi-console (the node test compares against it). The site lands in
# WEB_BUILD_DIR/site. Incremental after the first run.
set -euo pipefail
native_bin=$(realpath "$1")
web_build=$2
cd "$(dirname "$0")/../.."
# em++ links with node scripts that need Debian's node modules (acorn).
export NODE_PATH=/usr/share/nodejs
if [[ ! -f "$web_build/CMakeCache.txt" ]]; then
  # emcmake would set the test emulator to node with an option node 20 refuses.
  emcmake cmake -S . -B "$web_build" -DCMAKE_BUILD_TYPE=Release -DDAZI_NATIVE_BIN="$native_bin" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
else
  cmake "$web_build" -DDAZI_NATIVE_BIN="$native_bin" >/dev/null
fi
cmake --build "$web_build" -j"$(nproc)"
