#!/usr/bin/env bash
# Tries the fcitx5 addon in the real fcitx5 daemon without touching the desktop: a private
# session bus, private fcitx5 settings and a private dazi user folder. It types key lines
# through fcitx5's DBus frontend and prints the preedit, the candidate pages and what was
# committed (scripts/fcitx5_dbus_typing.py describes the key-line notation).
#   scripts/fcitx5-try.sh                  # 你好 by pinyin, then the first character of strokes 121
#   scripts/fcitx5-try.sh "pinyin: z h o n g space 1"
# The daemon is not built with the sanitizers, so the addon comes from an unsanitized build in
# build-trial/ (made or brought up to date here; BUILD names another folder). The dictionaries
# come from $DAZI_DICTIONARY_DIR, else from that build's or build-test's bin/. The client runs
# on Debian's python3 with python3-dbus and python3-gi. With DAZI_TRY_INSTALLED=1 the installed
# addon (package dazi-fcitx5) is tried instead, with the installed dictionaries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${BUILD:-build-trial}
if [[ ${DAZI_TRY_INSTALLED:-} == 1 ]]; then
  :
elif [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAZI_BUILD_TESTS=OFF \
    -DDAZI_BUILD_BENCH=OFF >/dev/null
fi
if [[ ${DAZI_TRY_INSTALLED:-} != 1 ]]; then
  cmake --build "$build" -j"$(nproc)" --target dazi_fcitx5 >/dev/null
  addon=$build/fcitx5/lib/dazi.so
  if ldd "$addon" | grep -q libasan; then
    echo "$addon is built with the sanitizers, which the fcitx5 daemon cannot load" >&2
    exit 1
  fi
  dictionaries=${DAZI_DICTIONARY_DIR:-}
  for candidate in "$build/bin" "$root/build-test/bin"; do
    [[ -z $dictionaries && -f $candidate/srf_pub.zc ]] && dictionaries=$candidate
  done
  [[ -n $dictionaries ]] || { echo "no dictionaries: build target dazi_dictionaries" >&2; exit 1; }
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/fcitx5" "$work/data"
cat >"$work/config/fcitx5/profile" <<'PROFILE'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=dazi-pinyin

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=dazi-pinyin
Layout=

[Groups/0/Items/2]
Name=dazi-keypad
Layout=

[GroupOrder]
0=Default
PROFILE

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
if [[ ${DAZI_TRY_INSTALLED:-} == 1 ]]; then
  unset FCITX_ADDON_DIRS FCITX_DATA_DIRS DAZI_DICTIONARY_DIR
else
  export FCITX_ADDON_DIRS=$build/fcitx5/lib:$(pkg-config --variable=libdir Fcitx5Core)/fcitx5
  export FCITX_DATA_DIRS=$build/fcitx5/data
  export DAZI_DICTIONARY_DIR=$dictionaries
fi

# shellcheck disable=SC2016
dbus-run-session -- bash -c '
  fcitx5 --disable=all --enable=dbus,dbusfrontend,keyboard,dazi >"$1/fcitx5.log" 2>&1 &
  daemon=$!
  log=$1/fcitx5.log
  shift
  status=0
  /usr/bin/python3 "'"$root"'/scripts/fcitx5_dbus_typing.py" "$@" || status=$?
  kill "$daemon" 2>/dev/null
  for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$daemon" 2>/dev/null || break; sleep 0.2; done
  kill -9 "$daemon" 2>/dev/null || true
  # The log only for a real failure, and without the signal report of the shutdown above.
  [[ $status -eq 0 ]] || sed "/Get Signal No/,\$d" "$log" | tail -20 >&2
  exit $status
' trial "$work" "$@"
