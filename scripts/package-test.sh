#!/usr/bin/env bash
# Proves the packages of build-package/ (scripts/package.sh) on this machine: installs both with
# apt, so that their dependencies resolve; runs dazi --version, dazi --print-counts and a
# dazi-console typing session as an ordinary user with a new home folder; checks the menu
# entry, the metadata and the manual page; types through the installed fcitx5 addon; then
# purges both packages and checks that nothing of dazi is left under /usr.
# Runs as root (it installs packages): meant for CI or a machine you may change.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=build-package
[[ $(id -u) -eq 0 ]] || { echo "package-test: run as root (it installs packages)" >&2; exit 1; }
version=$(sed -n 's/^Version: //p' <(dpkg-deb -f "$OUT"/dazi_*_amd64.deb))
step() { printf '\npackage-test: %s\n' "$*"; }
fail() { echo "package-test: FAILED: $*" >&2; exit 1; }

user=dazi-trial
home=$(mktemp -d /tmp/dazi-trial-home.XXXXXX)
cleanup() {
  userdel "$user" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT

step "installing dazi $version and dazi-fcitx5 with apt"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "./$OUT/dazi_${version}_amd64.deb" \
  "./$OUT/dazi-fcitx5_${version}_amd64.deb" >/dev/null
dpkg -s dazi dazi-fcitx5 | grep -E '^(Package|Status|Version|Depends):'

step "running as the ordinary user $user, HOME=$home, with no build tree"
userdel "$user" 2>/dev/null || true
useradd --no-create-home --home-dir "$home" --shell /bin/bash "$user"
chown "$user:" "$home"
as_user() {
  # A clean environment from / with nothing of this clone: PATH finds /usr/bin only.
  (cd / && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@")
}
printed=$(as_user dazi --version)
echo "$printed"
[[ $printed == "dazi $version" ]] || fail "dazi --version printed \"$printed\", not \"dazi $version\""
as_user dazi --print-counts | tee "$home.counts"
grep -q "^data folder: $home/.local/share/dazi$" "$home.counts" || fail "--print-counts: data folder"
grep -q "^characters: [1-9]" "$home.counts" || fail "--print-counts: no characters"
rm -f "$home.counts"
typed=$(printf 'nihao\n \n' | as_user dazi-console | tail -1)
echo "$typed" | cut -c1-160
grep -q '"output":"你好"' <<<"$typed" || fail "nihao Space did not write 你好"
[[ -L $home/.local/share/dazi/srf_pub.zc && $(readlink "$home/.local/share/dazi/srf_pub.zc") == /usr/share/dazi/srf_pub.zc ]] ||
  fail "the user folder does not link the installed dictionaries"
for file in srf_pykx.set srf_pub.usr srf_pub.dat; do
  [[ -f $home/.local/share/dazi/$file ]] || fail "no user file $file"
done
dpkg --verify dazi || fail "files of the dazi package changed"
extra=$(comm -13 <(dpkg -L dazi | sort) <(find /usr/share/dazi | sort))
[[ -z $extra ]] || fail "written under /usr/share/dazi: $extra"
echo "user files in $home/.local/share/dazi; nothing written under /usr"

step "menu entry, metadata and manual page"
desktop-file-validate /usr/share/applications/dazi.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.dazi_typing.dazi.metainfo.xml
if [[ -f /usr/share/man/man1/dazi.1.gz ]]; then
  MANPAGER=cat MANWIDTH=80 man dazi 2>/dev/null | grep -q "dazi-console(1)" || fail "man dazi"
  echo "man dazi shows the page"
else
  # Container images often keep dpkg from unpacking manual pages (path-exclude).
  dpkg-deb -c "$OUT/dazi_${version}_amd64.deb" | grep -q 'usr/share/man/man1/dazi.1.gz' ||
    fail "no manual page in the package"
  echo "manual page in the package; this system's dpkg does not unpack manual pages"
fi

step "typing through the installed fcitx5 addon"
trial=$(DAZI_TRY_INSTALLED=1 scripts/fcitx5-try.sh "pinyin: n i h a o space")
echo "$trial"
grep -q '你好' <<<"$trial" || fail "the installed addon did not commit 你好"

step "purging both packages"
apt-get purge -y -qq dazi-fcitx5 dazi >/dev/null
left=$(find /usr -path '*dazi*' 2>/dev/null || true)
[[ -z $left ]] || fail "left under /usr after purge: $left"
echo "nothing of dazi is left under /usr"
echo "package-test: passed"
