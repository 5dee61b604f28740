#!/usr/bin/env bash
# Installs every Debian package that building and testing Lodex needs.
# Idempotent: packages already present are left alone, and nothing is
# fetched when all of them are there. Runs as root, or through sudo.
set -euo pipefail

PACKAGES=(
  # build (python3 runs the synthesis benchmark script)
  cmake ninja-build g++ make pkg-config python3
  # libraries
  libcli11-dev nlohmann-json3-dev
  # the desktop program: Qt 6 Widgets and SVG (with its icon plug-in), Qt's
  # own Russian texts
  qt6-base-dev qt6-svg-dev qt6-translations-l10n
  # a virtual display for looking at the program on a machine without one
  xvfb xauth
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing (clang with libFuzzer)
  clang libclang-rt-dev
  # the formatting check
  clang-format
  # VHDL export checked by a real VHDL tool
  ghdl
  # BLIF and Verilog exports checked by real logic-synthesis tools
  berkeley-abc yosys
  # drawing tests: Visio XML reader, SVG renderer, fonts for rendering
  libvisio-tools librsvg2-bin libxml2-utils fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${PACKAGES[@]}"; do
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
