#!/usr/bin/env bash
# Takes a screenshot of the addon's candidate window in a real program: an X server in
# memory (Xvfb), the fcitx5 daemon with its classic candidate window and XIM frontend, and
# xterm typing through XIM; xdotool types, xwd captures.
#   scripts/fcitx5-screenshot.sh [OUT.png] [KEYS...]     (xdotool key names)
# Needs xvfb, xterm, xdotool, x11-apps and netpbm besides fcitx5, and an unsanitized build of
# the addon in build-trial/ (scripts/fcitx5-try.sh makes it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs/screenshots/fcitx5-pinyin.png}")
shift || true
keys=("$@")
((${#keys[@]})) || keys=(n i h a o space z h o n g)
build=$root/${BUILD:-build-trial}
dictionaries=${DAZI_DICTIONARY_DIR:-$root/build-test/bin}
for tool in Xvfb xterm xdotool xwd xwdtopnm pnmtopng fcitx5; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 1; }
done
[[ -f $build/fcitx5/lib/dazi.so ]] || { echo "no addon in $build: run scripts/fcitx5-try.sh" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config/fcitx5/conf" "$work/data"
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

[GroupOrder]
0=Default
PROFILE
# Active from the first key: the input context starts in dazi-pinyin.
cat >"$work/config/fcitx5/config" <<'CONFIG'
[Behavior]
ActiveByDefault=True
CONFIG
# One candidate a line: the glosses make a horizontal page wider than most screens.
cat >"$work/config/fcitx5/conf/classicui.conf" <<'CONFIG'
Vertical Candidate List=True
CONFIG

export DISPLAY=:${SCREENSHOT_DISPLAY:-87}
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export FCITX_ADDON_DIRS=$build/fcitx5/lib:$(pkg-config --variable=libdir Fcitx5Core)/fcitx5
export FCITX_DATA_DIRS=$build/fcitx5/data
export DAZI_DICTIONARY_DIR=$dictionaries
export XMODIFIERS=@im=fcitx LANG=C.UTF-8 LC_ALL=C.UTF-8

Xvfb "$DISPLAY" -screen 0 620x340x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
fcitx5 --disable=all --enable=xcb,xim,classicui,keyboard,dazi >"$work/fcitx5.log" 2>&1 &
pids+=($!)
sleep 2
xterm -geometry 50x4+10+10 -fa "Noto Sans Mono CJK SC" -fs 14 -xrm "XTerm*inputMethod: fcitx" \
  -xrm "XTerm*preeditType: OnTheSpot,Root" -e bash --norc -c 'sleep 60' &
pids+=($!)
sleep 2
window=$(xdotool search --sync --class xterm | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
for key in "${keys[@]}"; do
  xdotool key --window "$window" --clearmodifiers "$key"
  sleep 0.15
done
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out"
echo "$out"
