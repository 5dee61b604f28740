#!/usr/bin/env python3
"""Automatic synthesis against ABC's LUT mapping on classic two-level functions.

For every *.pla of the benchmark folder and every K, runs
  lodex-cli new --pla F.pla -o F.shc
  lodex-cli synth F.shc --max-inputs K -o F-kK.shc
  lodex-cli analyze F-kK.shc            (must report no mismatch)
and prints a Markdown table of the logic blocks, their outputs (the one-output
elements they stand for), the logic levels (tiers less the output tier) and the
time, beside the LUTs and depth ABC reached (read from the folder's README
table "| name | inputs | outputs | K=4 LUTs / depth | K=5 | K=6 |"). Ends with
the geometric mean and the largest of Lodex's blocks over ABC's LUTs per K.

usage: scripts/synth-bench.py [--cli build/bin/lodex-cli] [--bench ../shared/bench] [-k 4 -k 6]
Exit status 1 when a function fails to synthesise or to analyse equal.
"""
import argparse
import json
import math
import os
import re
import subprocess
import sys
import tempfile


def abc_figures(readme):
    """{name: {K: (luts, depth)}} from the README's table."""
    figures = {}
    with open(readme, encoding="utf-8") as f:
        for line in f:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) < 6 or not cells[1].isdigit():
                continue
            per_k = {}
            for k, cell in zip((4, 5, 6), cells[3:6]):
                m = re.match(r"(\d+)\s*/\s*(\d+)", cell)
                if m:
                    per_k[k] = (int(m.group(1)), int(m.group(2)))
            figures[cells[0]] = per_k
    return figures


def run(cmd):
    return subprocess.run(cmd, capture_output=True, text=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--cli", default=os.path.join(here, "..", "build", "bin", "lodex-cli"))
    ap.add_argument("--bench", default=os.path.join(here, "..", "..", "shared", "bench"))
    ap.add_argument("-k", type=int, action="append", dest="ks")
    args = ap.parse_args()
    ks = args.ks or [4, 6]
    abc = abc_figures(os.path.join(args.bench, "README.md"))
    names = sorted(f[:-4] for f in os.listdir(args.bench) if f.endswith(".pla"))
    ok = True
    ratios = {k: [] for k in ks}
    element_ratios = {k: [] for k in ks}
    slowest = 0.0
    print("| function | in | out | K | Lodex blocks | block outputs | levels | time s | ABC LUTs | ABC depth | blocks / LUTs |")
    print("|---|---|---|---|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as tmp:
        for name in names:
            project = os.path.join(tmp, name + ".shc")
            made = run([args.cli, "new", "--pla", os.path.join(args.bench, name + ".pla"), "-o", project])
            if made.returncode != 0:
                print(f"{name}: new --pla failed: {made.stderr.strip()}", file=sys.stderr)
                ok = False
                continue
            for k in ks:
                out = os.path.join(tmp, f"{name}-k{k}.shc")
                synth = run([args.cli, "synth", project, "--max-inputs", str(k), "-o", out])
                m = re.match(r"blocks (\d+), tiers (\d+), time ([\d.]+) s", synth.stdout)
                if synth.returncode != 0 or not m:
                    print(f"{name} K={k}: synth failed: {synth.stderr.strip()}", file=sys.stderr)
                    ok = False
                    continue
                blocks, tiers, seconds = int(m.group(1)), int(m.group(2)), float(m.group(3))
                slowest = max(slowest, seconds)
                if run([args.cli, "analyze", out]).returncode != 0:
                    print(f"{name} K={k}: the result does not analyse equal", file=sys.stderr)
                    ok = False
                scheme = json.loads(run([args.cli, "show", out, "--json"]).stdout)
                logic = scheme["blocks"][1:-1]
                outputs = sum(b["outputCount"] for b in logic)
                inputs = scheme["blocks"][0]["outputCount"]
                width = scheme["blocks"][-1]["inputCount"]
                if any(b["inputCount"] > k for b in logic):
                    print(f"{name} K={k}: a block is wider than K", file=sys.stderr)
                    ok = False
                luts, depth = abc.get(name, {}).get(k, (None, None))
                ratio = ""
                if luts:
                    ratios[k].append(blocks / luts)
                    element_ratios[k].append(outputs / luts)
                    ratio = f"{blocks / luts:.2f}"
                print(f"| {name} | {inputs} | {width} | {k} | {blocks} | {outputs} | {tiers - 1} | {seconds:.3f} | "
                      f"{luts if luts else '-'} | {depth if depth else '-'} | {ratio} |")
    print()
    def geomean(values):
        return math.exp(sum(math.log(v) for v in values) / len(values))

    for k in ks:
        if ratios[k]:
            print(f"K = {k}: geometric mean of blocks / ABC LUTs {geomean(ratios[k]):.3f}, largest "
                  f"{max(ratios[k]):.2f}; of block outputs / ABC LUTs {geomean(element_ratios[k]):.3f}, largest "
                  f"{max(element_ratios[k]):.2f} ({len(ratios[k])} functions)")
    print(f"slowest synthesis: {slowest:.3f} s")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
