#!/usr/bin/env bash
# Installs the Debian packages of the groups named on the command line:
#   run      building and running lodex, lodex-cli and tarrow
#   package  the manual pages, the install checks and the Debian package
#   test     the tests, benchmarks, fuzzing and the code checks
# With no group, all of them. Idempotent: packages already present are left
# alone, and nothing is fetched when all of them are there. Runs as root, or
# through sudo.
set -euo pipefail

groups=("$@")
[[ ${#groups[@]} -eq 0 ]] && groups=(run package test)
for g in "${groups[@]}"; do
  case "$g" in
    run | package | test) ;;
    *) echo "install-deps.sh: unknown group '$g' (run, package or test)" >&2; exit 1 ;;
  esac
done

# The list: one line per need, its group, then its packages.
wanted=()
while read -r group packages; do
  [[ -z "$group" || "$group" == \#* ]] && continue
  for g in "${groups[@]}"; do
    # shellcheck disable=SC2206  # a line's packages are split on blanks
    if [[ "$g" == "$group" ]]; then wanted+=($packages); fi
  done
done <<'EOF'
run      cmake ninja-build g++ make pkg-config
run      libcli11-dev nlohmann-json3-dev
# Qt 6 Widgets and SVG (with its icon plug-in), Qt's own Russian texts
run      qt6-base-dev qt6-svg-dev qt6-translations-l10n
# lrelease builds the English translation; lupdate checks it (Qt6LinguistTools)
run      qt6-tools-dev qt6-l10n-tools
# manual pages from the programs' help; the desktop entry, AppStream and MIME
# checks; the Debian package (dpkg-shlibdeps, file)
package  help2man desktop-file-utils appstream shared-mime-info dpkg-dev file
# a virtual display for the GUI tests and for looking at the program
test     xvfb xauth
# python3 runs the synthesis benchmark script
test     libgtest-dev libgmock-dev libbenchmark-dev python3
# fuzzing and the clang build (clang with libFuzzer), the formatting check
test     clang libclang-rt-dev clang-format
# VHDL export checked by a real VHDL tool; BLIF and Verilog by real logic-synthesis tools
test     ghdl berkeley-abc yosys
# drawing tests: Visio XML reader, SVG renderer, fonts for rendering
test     libvisio-tools librsvg2-bin libxml2-utils fonts-dejavu-core fonts-liberation
# screenshots of real windows under Xvfb (docs/screenshots, the manual's
# pictures): driving the window, taking and scaling the picture, its palette
test     xdotool imagemagick pngquant
EOF

missing=()
for p in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  SUDO=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
