#!/usr/bin/env bash
# Installs what is missing, builds dazi, dazi-console, the dictionaries and the lessons, and
# starts dazi.
# Arguments are passed on, e.g. ./run.sh --data DIR. Without --data dazi works in
# ${XDG_DATA_HOME:-~/.local/share}/dazi, outside the build tree: your words survive a rebuild.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh

BUILD=build
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DDAZI_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target dazi dazi-console dazi-dictbuild dazi_lessons_folder
# Options that only print something need no display.
needs_display=1
for arg in "$@"; do
  case "$arg" in --print-counts | --help | -h | --version | -v) needs_display=0 ;; esac
done
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" && $needs_display == 1 ]]; then
  echo "run.sh: no display found; start it under one (e.g. xvfb-run ./run.sh), or use" >&2
  echo "        ./run.sh --print-counts for the dictionary report without a window." >&2
  exit 1
fi
exec "$BUILD/bin/dazi" "$@"
