#!/usr/bin/env bash
# Remakes the pictures of the README and docs/ from the key scripts in scripts/screenshots/:
# NAME.keys makes docs/screenshots/NAME.png.
#   scripts/screenshots.sh [NAME...]          (all of them without a name)
# A key script holds comment lines (#) and one of
#   dazi: KEYS           the window types KEYS (dazi --type notation) and is saved
#   lesson: ID|FILE.txt  with dazi:, start in this lesson first (a file beside the script)
#   gui_screenshot: PNG  the picture PNG of the gui_screenshot program, which clicks too
#   fcitx5: KEYS         the fcitx5 addon in xterm (scripts/fcitx5-screenshot.sh)
# The window runs on an X server in memory (xvfb-run), so a picture shows what a user sees.
# Uses the build in build/ (BUILD=build-test for another) and its dictionaries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scripts=$root/scripts/screenshots
out=$root/docs/screenshots
build=$root/${BUILD:-build}
command -v xvfb-run >/dev/null || { echo "missing xvfb-run (apt-get install xvfb xauth)" >&2; exit 1; }
[[ -x $build/bin/dazi ]] || { echo "no $build/bin/dazi: build it first (./run.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
screen=(-a -s "-screen 0 1024x768x24")

# A fresh data folder for each picture: the dictionaries of the build, no words or history.
fresh_data() {
  rm -rf "$work/data" && mkdir "$work/data"
  for file in "$build"/bin/srf_pub.*; do ln -s "$file" "$work/data/"; done
}

field() { sed -n "s/^$1: //p" "$2" | head -1; }

make_picture() {
  local name=$1 script=$scripts/$1.keys
  [[ -f $script ]] || { echo "no key script $script" >&2; return 1; }
  local keys lesson picture
  if keys=$(field dazi "$script") && [[ -n $keys ]]; then
    fresh_data
    local args=(--data "$work/data" --type "$keys" --screenshot "$out/$name.png")
    lesson=$(field lesson "$script")
    [[ -z $lesson ]] || { [[ $lesson != *.txt ]] || lesson=$scripts/$lesson; args+=(--lesson "$lesson"); }
    xvfb-run "${screen[@]}" "$build/bin/dazi" "${args[@]}"
  elif picture=$(field gui_screenshot "$script") && [[ -n $picture ]]; then
    if [[ ! -f $work/gui/$picture ]]; then
      [[ -x $build/bin/gui_screenshot ]] || { echo "no $build/bin/gui_screenshot" >&2; return 1; }
      (cd "$build/bin" && QTWEBENGINE_DISABLE_SANDBOX=1 \
        xvfb-run "${screen[@]}" ./gui_screenshot "$work/gui" >/dev/null)
    fi
    cp "$work/gui/$picture" "$out/$name.png"
  elif keys=$(field fcitx5 "$script") && [[ -n $keys ]]; then
    # shellcheck disable=SC2086 # one xdotool key name a word
    BUILD=${FCITX5_BUILD:-build-trial} DAZI_DICTIONARY_DIR=$build/bin \
      "$root/scripts/fcitx5-screenshot.sh" "$out/$name.png" $keys >/dev/null
  else
    echo "$script: no dazi:, gui_screenshot: or fcitx5: line" >&2
    return 1
  fi
  echo "$out/$name.png"
}

names=("$@")
if ((${#names[@]} == 0)); then
  for script in "$scripts"/*.keys; do names+=("$(basename "$script" .keys)"); done
fi
failed=0
for name in "${names[@]}"; do make_picture "$name" || failed=1; done
exit $failed
