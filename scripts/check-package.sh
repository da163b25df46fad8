#!/usr/bin/env bash
# Checks Kavo's Debian package, made by cpack from a build folder (make deb makes the same).
#
#   check-package.sh contents BUILD_DIR PACKAGE_DIR VERSION
#     builds the package into PACKAGE_DIR and checks it as any user: lintian, its fields, its
#     files, the desktop entries, AppStream data, manual pages and icons it installs, and that
#     its kavo runs.
#   check-package.sh install BUILD_DIR PACKAGE_DIR VERSION
#     installs that package with apt-get, runs /usr/bin/kavo --version, removes the package and
#     checks that none of its files is left. Only root may: another user gets status 77 (CTest:
#     skipped) and a line saying how to run it.
set -euo pipefail

mode=$1
build=$(realpath "$2")
folder=$3
version=$4
root=$(cd "$(dirname "$0")/.." && pwd)
deb="$folder/kavo_${version}_amd64.deb"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The package's paths as they are installed: /usr/bin/kavo, /usr/share/..., folders too.
package_paths() {
  dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$'
}

expected_files=(
  /usr/bin/kavo /usr/bin/kavoctl /usr/bin/kavo-guardian
  /usr/share/applications/com.velmora.Kavo.desktop
  /usr/share/applications/kavo-url-handler.desktop
  /usr/share/icons/hicolor/scalable/apps/com.velmora.Kavo.svg
  /usr/share/metainfo/com.velmora.Kavo.metainfo.xml
  /usr/share/man/man1/kavo.1.gz /usr/share/man/man1/kavoctl.1.gz
  /usr/share/man/man1/kavo-guardian.1.gz
  /usr/share/bash-completion/completions/kavoctl
  /usr/share/zsh/vendor-completions/_kavoctl
  /usr/share/fish/vendor_completions.d/kavoctl.fish
  /usr/share/doc/kavo/copyright /usr/share/doc/kavo/changelog.gz
)
for size in 16 22 24 32 48 64 128 256 512; do
  expected_files+=("/usr/share/icons/hicolor/${size}x${size}/apps/com.velmora.Kavo.png")
done

# lintian's errors fail; so does a warning that data/debian/lintian-accepted does not list.
check_lintian() {
  local report status=0
  report=$(timeout 300 lintian --pedantic "$deb") || status=$?
  [ -n "$report" ] && echo "$report"
  if grep -q '^E: ' <<<"$report" || [ "$status" -ne 0 ]; then
    fail "lintian reports errors (status $status)"
  fi
  local accepted unexplained
  accepted=$(sed 's/#.*//' "$root/data/debian/lintian-accepted" | awk 'NF { print $1 }')
  unexplained=$(grep '^W: ' <<<"$report" | awk '{ print $3 }' | sort -u | grep -vxF -f <(echo "$accepted") || true)
  [ -z "$unexplained" ] || fail "lintian warnings not in data/debian/lintian-accepted: $unexplained"
}

field() {
  dpkg-deb --field "$deb" "$1"
}

check_fields() {
  [ "$(field Package)" = kavo ] || fail "Package: $(field Package)"
  [ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
  [ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kavo/changelog.gz | gzip -d | head -1 |
    grep -qF "kavo ($version)" || fail "data/debian/changelog does not begin with version $version"
  local depends
  depends=$(field Depends)
  echo "Depends: $depends"
  if grep -qE -- '-dev\b' <<<"$depends"; then fail "the package depends on development packages"; fi
  for needed in opencv-data libqt5webkit5 libqt5core5a libx11-6; do
    grep -qE "(^|, )$needed\b" <<<"$depends" || fail "Depends lacks $needed"
  done
}

check_files() {
  local paths
  paths=$(package_paths)
  for file in "${expected_files[@]}"; do
    grep -qxF "$file" <<<"$paths" || fail "the package lacks $file"
  done
  if grep -v '^/usr\(/\|$\)' <<<"$paths"; then fail "the package installs outside /usr"; fi
}

# What the package installs, unpacked into a folder: checked as the desktop would read it.
check_unpacked() {
  local tree="$folder/tree"
  rm -rf "$tree"
  dpkg-deb --extract "$deb" "$tree"
  for entry in com.velmora.Kavo.desktop kavo-url-handler.desktop; do
    desktop-file-validate "$tree/usr/share/applications/$entry" || fail "$entry is not valid"
    grep -qx 'Exec="/usr/bin/kavo" .*' "$tree/usr/share/applications/$entry" ||
      fail "$entry does not start /usr/bin/kavo"
  done
  appstreamcli validate --pedantic --no-net "$tree/usr/share/metainfo/com.velmora.Kavo.metainfo.xml" ||
    fail "the AppStream data is not valid"
  for page in "$tree"/usr/share/man/man1/*.1.gz; do
    local warnings
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $(basename "$page"): $warnings"
  done
  for png in "$tree"/usr/share/icons/hicolor/*x*/apps/com.velmora.Kavo.png; do
    local size
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not $size"
  done
  local shown
  shown=$("$tree/usr/bin/kavo" --version)
  [ "$shown" = "Kavo $version" ] || fail "the packaged kavo --version says: $shown"
}

contents() {
  rm -rf "$folder"
  mkdir -p "$folder"
  echo "== cpack"
  (cd "$build" && timeout 600 cpack -G DEB -B "$folder") >"$folder/cpack.log" 2>&1 ||
    { cat "$folder/cpack.log"; fail "cpack could not make the package"; }
  [ -f "$deb" ] || fail "cpack made no $deb"
  echo "== lintian"
  check_lintian
  echo "== fields and files"
  check_fields
  check_files
  echo "== what it installs"
  check_unpacked
  echo "PASS: $deb"
}

installed() {
  dpkg-query -W -f='${db:Status-Status}' kavo 2>/dev/null | grep -qv '^not-installed$'
}

install() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "test_package_install installs the package into /usr and removes it again, so it runs"
    echo "only as root (CI runs make test as root). To check it on this machine:"
    echo "  cd $build && sudo ctest -R test_package_install --output-on-failure"
    exit 77
  fi
  [ -f "$deb" ] || fail "no $deb: test_package_contents makes it"
  if installed; then
    fail "a kavo package is already installed on this machine; this test installs and removes its own, so it leaves yours alone"
  fi
  local paths present=() existed=()
  paths=$(package_paths)
  for file in "${expected_files[@]}"; do
    [ -e "$file" ] && present+=("$file")
  done
  [ ${#present[@]} -eq 0 ] ||
    fail "files of the package are already on disk (an install into /usr?): ${present[*]}"
  while read -r path; do
    [ -d "$path" ] && existed+=("$path")
  done <<<"$paths"

  # apt reads the file as its own user.
  chmod 755 "$folder"
  chmod 644 "$deb"
  local apt=(apt-get -q -y -o DPkg::Lock::Timeout=120 --no-install-recommends)
  local planned
  planned=$(apt-get -s -q --no-install-recommends install "$deb" | awk '/^Inst / { print $2 }')
  [ "$planned" = kavo ] || fail "installing the package would also install: $(echo $planned)
(scripts/install-deps.sh installs what Kavo needs at run time)"

  trap 'installed && "${apt[@]}" purge kavo >/dev/null' EXIT
  echo "== apt-get install $deb"
  timeout 300 "${apt[@]}" install "$deb"
  local shown
  shown=$(timeout 60 /usr/bin/kavo --version)
  [ "$shown" = "Kavo $version" ] || fail "/usr/bin/kavo --version says: $shown"
  echo "$shown"
  timeout 60 /usr/bin/kavoctl version | grep -qF "\"version\":\"$version\"" || fail "kavoctl version"
  [ "$(man -w kavoctl)" = /usr/share/man/man1/kavoctl.1.gz ] || fail "man does not find kavoctl(1)"
  grep -q '^x-scheme-handler/kavo=kavo-url-handler.desktop;' /usr/share/applications/mimeinfo.cache ||
    fail "the desktops do not know the kavo: scheme handler"
  local listed
  listed=$(dpkg -L kavo)
  while read -r path; do
    [ -e "$path" ] || fail "dpkg lists $path, which is not on disk"
  done <<<"$listed"

  echo "== apt-get remove kavo"
  timeout 300 "${apt[@]}" remove kavo
  # The package has no configuration files; its only leftover is the record of CPack's ldconfig
  # scripts (the parts are shared objects), which dpkg keeps until the package is purged.
  local status
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' kavo 2>/dev/null || true)
  case "$status" in
  "" | "un "* | "rc "*) ;;
  *) fail "dpkg still has kavo installed after its removal: $status" ;;
  esac
  echo "== apt-get purge kavo"
  timeout 300 "${apt[@]}" purge kavo
  installed && fail "dpkg still knows kavo after its purge: $(dpkg-query -W -f='${db:Status-Abbrev}' kavo)"
  local left=()
  while read -r path; do
    if [ -f "$path" ] || [ -L "$path" ]; then
      left+=("$path")
    elif [ -d "$path" ] && ! printf '%s\n' "${existed[@]}" | grep -qxF "$path"; then
      left+=("$path")
    fi
  done <<<"$listed"
  [ ${#left[@]} -eq 0 ] || fail "left behind after removal: ${left[*]}"
  if grep -q 'kavo-url-handler' /usr/share/applications/mimeinfo.cache 2>/dev/null; then
    fail "the desktops still know the kavo: scheme handler"
  fi
  echo "PASS: installed, ran and removed $deb"
}

case $mode in
  contents) contents ;;
  install) install ;;
  *) fail "mode is contents or install, not $mode" ;;
esac
