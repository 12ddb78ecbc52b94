#!/usr/bin/env bash
# Makes the two .deb files from a finished build (scripts/package.sh makes the build first):
#   scripts/package-debs.sh BUILD OUT VERSION
# installs each CMake component into a folder of its own, adds Debian's control files
# (dependencies from dpkg-shlibdeps), packs them with dpkg-deb and runs lintian on them.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$1 OUT=$2 version=$3
OUT=$(realpath "$OUT")
arch=$(dpkg --print-architecture)
maintainer="dazi developers <dazi@users.noreply.github.com>"
homepage=$(sed -n 's/^DAZI_PROJECT_URL:STRING=//p' "$BUILD/CMakeCache.txt")
# Reproducible dates: the last commit's, else now.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}

# Installs component into $OUT/root-package with Debian's documentation and modes.
stage() {
  local component=$1 package=$2 root=$OUT/root-$2
  rm -rf "$root"
  DESTDIR=$root cmake --install "$BUILD" --component "$component" --strip >/dev/null
  local doc=$root/usr/share/doc/$package
  mkdir -p "$doc" "$root/DEBIAN"
  cp packaging/debian/copyright "$doc/copyright"
  # The README the word editor's picture opens (DAZI_HOME_PAGE).
  [[ $package == dazi ]] && cp README.md "$doc/README.md"
  # A native package: its one changelog is changelog.gz.
  {
    printf '%s (%s) unstable; urgency=medium\n\n' "$package" "$version"
    sed 's/^/  /' packaging/debian/changes
    printf '\n -- %s  %s\n' "$maintainer" "$(date -u -R -d "@$SOURCE_DATE_EPOCH")"
  } | gzip -9n >"$doc/changelog.gz"
  if [[ -d $root/usr/share/man ]]; then
    find "$root/usr/share/man" -type f -name '*.[1-9]' -exec gzip -9nf {} +
  fi
  find "$root" -type d -exec chmod 0755 {} +
  find "$root" -type f -exec chmod 0644 {} +
  [[ -d $root/usr/bin ]] && chmod 0755 "$root"/usr/bin/*
  find "$root" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}

# dpkg-shlibdeps reads the package list of a source tree: a minimal one, out of the way.
shlibs_of() {
  local work=$OUT/shlibs
  mkdir -p "$work/debian"
  printf 'Source: dazi\n\nPackage: dazi\nArchitecture: any\n\nPackage: dazi-fcitx5\nArchitecture: any\n' \
    >"$work/debian/control"
  (cd "$work" && dpkg-shlibdeps -O "$@") | sed -n 's/^shlibs:Depends=//p'
}

# Writes DEBIAN/control and DEBIAN/md5sums of a staged package; $3 lists extra dependencies.
control() {
  local package=$1 summary=$2 extra=$3 recommends=$4 root=$OUT/root-$1
  shift 4
  local depends
  depends=$(shlibs_of "$@")
  [[ -n $depends ]] || { echo "package: dpkg-shlibdeps found no dependency of $package" >&2; exit 1; }
  [[ -n $extra ]] && depends="$extra, $depends"
  {
    printf 'Package: %s\nVersion: %s\nArchitecture: %s\nMaintainer: %s\n' \
      "$package" "$version" "$arch" "$maintainer"
    printf 'Installed-Size: %s\n' "$(du -sk --apparent-size --exclude=DEBIAN "$root" | cut -f1)"
    printf 'Depends: %s\n' "$depends"
    [[ -n $recommends ]] && printf 'Recommends: %s\n' "$recommends"
    printf 'Section: education\nPriority: optional\nHomepage: %s\n' "$homepage"
    printf 'Description: %s\n' "$summary"
    sed -e 's/^$/./' -e 's/^/ /' "packaging/debian/$package.description"
  } >"$root/DEBIAN/control"
  (cd "$root" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z |
    xargs -0 md5sum) >"$root/DEBIAN/md5sums"
  chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
  dpkg-deb --root-owner-group -Zxz --build "$root" "$OUT/${package}_${version}_${arch}.deb" >/dev/null
}

stage dazi dazi
stage fcitx5 dazi-fcitx5
control dazi "Chinese typing practice with pinyin and stroke keypad methods" "" \
  "fonts-noto-cjk, qt6-translations-l10n" \
  "$OUT/root-dazi/usr/bin/dazi" "$OUT/root-dazi/usr/bin/dazi-console"
control dazi-fcitx5 "fcitx5 input methods of dazi: 澜音 pinyin and KX stroke keypad" \
  "dazi (= $version), fcitx5" "" $(find "$OUT/root-dazi-fcitx5" -name '*.so')

# The desktop entry and the AppStream metadata as installed.
desktop-file-validate "$OUT/root-dazi/usr/share/applications/dazi.desktop"
appstreamcli validate --no-net "$OUT"/root-dazi/usr/share/metainfo/*.metainfo.xml

ls -l "$OUT"/*.deb
# Errors fail the build; the warnings kept are listed, with their reasons, in docs/packaging.md.
lintian --fail-on error "$OUT"/*.deb
echo "package: lintian passes; packages in $OUT"
