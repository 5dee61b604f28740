#!/usr/bin/env bash
# Checks what Lodex installs, and that it runs from there.
#   check-install.sh BUILD         cmake --install BUILD into a temporary DESTDIR
#   check-install.sh --deb FILE    dpkg -i FILE, the same checks on /usr, then
#                                  dpkg -r, after which none of its files is left
# Either way: the programs and libtarrow.so side by side in lib/lodex with
# links in bin, no RPATH, the desktop entry, AppStream metainfo, MIME type,
# icon and manual pages accepted by their tools, lodex-cli sch evaluating an
# example through the installed library, and lodex started under Xvfb by the
# desktop entry's command staying up.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
app_id=org.lodex.Lodex
mime_type=application/x-lodex-scheme

fail() {
  echo "check-install: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# $1: the root the files are under ("" for the system), $2: the prefix.
check_tree() {
  local root=$1 prefix=$2
  local p=$root$prefix
  step "layout under $p"
  for program in lodex lodex-cli; do
    [[ -x $p/lib/lodex/$program && ! -L $p/lib/lodex/$program ]] || fail "$p/lib/lodex/$program is not a program"
    [[ -L $p/bin/$program ]] || fail "$p/bin/$program is not a link"
    [[ $(readlink -f "$p/bin/$program") == "$(readlink -f "$p/lib/lodex/$program")" ]] ||
      fail "$p/bin/$program does not lead to $p/lib/lodex/$program"
  done
  [[ -f $p/lib/lodex/libtarrow.so ]] || fail "no $p/lib/lodex/libtarrow.so"
  for f in "$p"/lib/lodex/*; do
    if readelf -d "$f" | grep -Eq '\((RPATH|RUNPATH)\)'; then fail "$f carries an RPATH"; fi
  done

  step "desktop entry, metainfo, MIME type, icon"
  local desktop=$p/share/applications/$app_id.desktop
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
  grep -qx "Name=.*" "$desktop" || fail "$desktop has no name"
  grep -qx "Name\[ru\]=.*" "$desktop" || fail "$desktop has no Russian name"
  grep -qx "MimeType=$mime_type;" "$desktop" || fail "$desktop does not name $mime_type"
  local metainfo=$p/share/metainfo/$app_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 || {
    cat "$tmp/appstream.log" >&2
    fail "appstreamcli refuses $metainfo"
  }
  local version newest
  version=$("$p/bin/lodex-cli" --version | awk '{print $2}')
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
  [[ $newest == "$version" ]] || fail "the metainfo's newest release is $newest, the program's version $version"
  mkdir -p "$tmp/mime/packages"
  cp "$p/share/mime/packages/$app_id.xml" "$tmp/mime/packages/"
  update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 || fail "update-mime-database refuses $app_id.xml"
  grep -q "^[0-9]*:$mime_type:\*\.shc$" "$tmp/mime/globs2" || fail "*.shc is not $mime_type"
  xmllint --noout "$p/share/icons/hicolor/scalable/apps/lodex.svg" || fail "the icon is not SVG"

  step "manual pages"
  for page in lodex lodex-cli; do
    local man=$p/share/man/man1/$page.1
    [[ -f $man ]] || fail "no $man"
    local warnings
    warnings=$(LC_ALL=C.UTF-8 groff -ww -z -k -man -Tutf8 "$man" 2>&1) || fail "groff refuses $man"
    [[ -z $warnings ]] || fail "groff warns on $man: $warnings"
    grep -q "\"$page $version\"" "$man" || fail "$man is not of version $version"
  done

  step "lodex-cli sch through the installed library"
  local expected
  expected=$(printf '4 3\n2444124411241112')
  [[ $(cd "$tmp" && "$p/bin/lodex-cli" sch "$here/examples/comparator2.sch") == "$expected" ]] ||
    fail "lodex-cli sch examples/comparator2.sch does not print the comparator's sequence"

  step "lodex from the desktop entry's command under Xvfb"
  local exec_words=() command=() word
  read -ra exec_words <<<"$(sed -n 's/^Exec=//p' "$desktop")"
  for word in "${exec_words[@]}"; do
    [[ $word == %f ]] && word=$here/examples/parity-mix.shc
    command+=("$word")
  done
  mkdir -p "$tmp/config"
  # timeout's 124 says the program was still running when it was stopped.
  local status=0
  PATH="$p/bin:$PATH" XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" timeout 3 "${command[@]}" >"$tmp/gui.log" 2>&1 || status=$?
  [[ $status -eq 124 ]] || {
    cat "$tmp/gui.log" >&2
    fail "'${command[*]}' did not stay up (status $status)"
  }
}

if [[ ${1:-} == --deb ]]; then
  deb=${2:?usage: check-install.sh --deb FILE.deb}
  [[ $(id -u) -eq 0 ]] || fail "installing a package needs root"
  name=$(dpkg-deb -f "$deb" Package)
  step "dpkg -i $deb (depends: $(dpkg-deb -f "$deb" Depends))"
  dpkg -i "$deb" >"$tmp/dpkg.log" 2>&1 || {
    cat "$tmp/dpkg.log" >&2
    fail "dpkg -i $deb failed"
  }
  dpkg-query -L "$name" >"$tmp/files"
  check_tree "" /usr
  grep -q ":$mime_type:\*\.shc$" /usr/share/mime/globs2 || fail "the system's MIME database does not know *.shc"
  step "dpkg -r $name"
  dpkg -r "$name" >"$tmp/dpkg.log" 2>&1 || {
    cat "$tmp/dpkg.log" >&2
    fail "dpkg -r $name failed"
  }
  while read -r f; do
    if [[ -L $f || (-e $f && ! -d $f) ]]; then fail "$f is left after dpkg -r"; fi
  done <"$tmp/files"
  [[ ! -e /usr/lib/lodex ]] || fail "/usr/lib/lodex is left after dpkg -r"
  if grep -q ":$mime_type:" /usr/share/mime/globs2; then fail "the MIME database still knows $mime_type"; fi
  # The maintainer scripts keep dpkg's record of the package until it is purged.
  dpkg -P "$name" >/dev/null
else
  build=${1:?usage: check-install.sh BUILD | --deb FILE.deb}
  step "cmake --install $build into a temporary DESTDIR"
  DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log" >&2
    fail "cmake --install $build failed"
  }
  check_tree "$tmp/root" /usr
  # A link to the link, elsewhere, still leads the program to its own folder.
  mkdir "$tmp/elsewhere"
  ln -s "$tmp/root/usr/bin/lodex-cli" "$tmp/elsewhere/lodex-cli"
  "$tmp/elsewhere/lodex-cli" sch "$here/examples/comparator2.sch" >/dev/null ||
    fail "lodex-cli run through a second link does not find its library"
  # The library beside the program is the one it loads: without it, sch fails.
  mv "$tmp/root/usr/lib/lodex/libtarrow.so" "$tmp/libtarrow.so"
  if "$tmp/root/usr/bin/lodex-cli" sch "$here/examples/comparator2.sch" >/dev/null 2>&1; then
    fail "lodex-cli sch works without the installed libtarrow.so: it loads another one"
  fi
fi
echo "check-install: all good"
