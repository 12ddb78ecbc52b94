#!/usr/bin/env bash
# Installs what is missing, builds dazi, dazi-console, the dictionaries and the lessons, and
# starts dazi.
# Arguments are passed on, e.g. ./run.sh --data DIR. Without --data dazi works in
# ${XDG_DATA_HOME:-~/.local/share}/dazi, outside the build tree: your words survive a rebuild.
# Relative paths given to --data and --lesson are taken from the folder run.sh is started in.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")"

# ./run.sh --web [--port N]: builds the browser stage (platform/web, docs/web.md) and serves it.
if [[ ${1:-} == --web ]]; then
  shift
  port=8080
  while (($#)); do
    case "$1" in
      --port) port=${2:?--port needs a number}; shift 2 ;;
      --port=*) port=${1#--port=}; shift ;;
      *) echo "run.sh --web: unknown option $1 (only --port N)" >&2; exit 2 ;;
    esac
  done
  [[ $port =~ ^[0-9]+$ ]] || { echo "run.sh --web: --port needs a number, not $port" >&2; exit 2; }
  bash scripts/install-deps.sh --web
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DDAZI_BUILD_TESTS=OFF >/dev/null
  cmake --build build -j"$(nproc)" --target dazi-console dazi-dictbuild dazi_lessons_folder
  platform/web/build.sh build/bin build-web
  echo "dazi in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site
fi

# Options that only print something need no display; the others are told before the build.
needs_display=1
for arg in "$@"; do
  case "$arg" in --print-counts | --help | -h | --version | -v) needs_display=0 ;; esac
done
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" && $needs_display == 1 ]]; then
  echo "run.sh: no display found; start it under one (e.g. xvfb-run -a ./run.sh), or use" >&2
  echo "        ./run.sh --print-counts for the dictionary report without a window." >&2
  exit 1
fi

# A relative path is the caller's: --data always names a folder, --lesson a lesson id unless a
# file of that name exists where the caller stands.
from_caller() { [[ $1 == /* ]] && echo "$1" || echo "$caller/$1"; }
args=()
while (($#)); do
  case "$1" in
    --data) args+=("$1"); shift; (($#)) && { args+=("$(from_caller "$1")"); shift; } ;;
    --data=*) args+=("--data=$(from_caller "${1#--data=}")"); shift ;;
    --lesson)
      args+=("$1"); shift
      if (($#)); then
        if [[ $1 != /* && -e $caller/$1 ]]; then args+=("$caller/$1"); else args+=("$1"); fi
        shift
      fi ;;
    *) args+=("$1"); shift ;;
  esac
done

bash scripts/install-deps.sh
BUILD=build
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DDAZI_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target dazi dazi-console dazi-dictbuild dazi_lessons_folder
exec "$BUILD/bin/dazi" ${args[@]+"${args[@]}"}
