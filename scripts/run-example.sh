#!/usr/bin/env bash
# Shows Lodex at work on a bundled example: the desktop program opened on a
# two-output function (the parity of four inputs, and (x0 xor x1) and
# (x2 or x3)) that is already decomposed. Without a display it says so and
# takes the same project along the command-line road instead:
# new -> serial -> parallel -> cover -> analyze -> vhdl -> draw.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")/.." && pwd)

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$bin/lodex" "$here/examples/parity-mix.shc"
fi

echo "No display here (DISPLAY is not set): running the command-line road on the example instead."
cli="$bin/lodex-cli"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
scheme="$out/parity-mix.shc"
step() { printf '\n== %s\n' "$1"; }

step "new: a project from examples/parity-mix.lof (4 inputs, 2 outputs)"
"$cli" new -n 4 -m 2 --lof "$here/examples/parity-mix.lof" --name "Пример" -o "$scheme"
"$cli" show "$scheme"

step "serial: the accepted splits of block 1 (mask, complexity, weights); the first is applied"
"$cli" serial "$scheme" --block 1 --list
mask=$("$cli" serial "$scheme" --block 1 --list | head -n 1 | cut -f 1)
"$cli" serial "$scheme" --block 1 --mask "$mask" -o "$scheme"
"$cli" show "$scheme"

step "parallel: the higher block, which still has two outputs, split into one block per output"
"$cli" parallel "$scheme" --block 1 --in2 7 --out2 2 --merge no -o "$scheme"
"$cli" show "$scheme"

step "cover: the two-input blocks by NAND elements"
"$cli" cover "$scheme" --nand -o "$scheme"
"$cli" show "$scheme"

step "analyze: the scheme simulated against the project"
"$cli" analyze "$scheme"

step "vhdl: the design and a self-checking testbench"
"$cli" vhdl "$scheme" -o "$out/parity_mix.vhd" --testbench "$out/parity_mix_tb.vhd"
wc -l "$out/parity_mix.vhd" "$out/parity_mix_tb.vhd"

step "draw: the diagram as SVG"
"$cli" draw "$scheme" -o "$out/parity-mix.svg"
ls -l "$out/parity-mix.svg"
