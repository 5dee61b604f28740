#!/usr/bin/env bash
# Shows Lodex at work on a bundled example: a project created from a
# sequence file, then printed.
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$bin/lodex-cli" new -n 3 -m 2 --lof "$here/examples/full-adder.lof" --name "Сумматор" -o "$out/full-adder.shc"
"$bin/lodex-cli" show "$out/full-adder.shc"
