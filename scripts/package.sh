#!/usr/bin/env bash
# Builds the Debian packages from a clean Release build: build-package/dazi_VERSION_amd64.deb (the
# window, dazi-console, the dictionaries, the lessons, the menu entry, icons and manual pages)
# and build-package/dazi-fcitx5_VERSION_amd64.deb (the fcitx5 addon), then runs lintian on both.
# Runs as root on Debian 12 (or with sudo available). See docs/packaging.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --packaging

OUT=build-package
BUILD=$OUT/build
rm -rf "$OUT"
mkdir -p "$OUT"

# Debian's hardening link flags (full RELRO, immediate binding); the compiler's own defaults
# make position-independent executables.
ldflags="$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DDAZI_BUILD_TESTS=OFF -DDAZI_BUILD_BENCH=OFF -DDAZI_HOME_PAGE=/usr/share/doc/dazi/README.md \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
bash scripts/package-debs.sh "$BUILD" "$OUT" "$version"
