#!/usr/bin/env python3
"""Automatic synthesis against ABC's LUT mapping on classic and random functions.

For every *.pla of the benchmark folder, every K and both objectives, runs
  lodex-cli new --pla F.pla -o F.shc
  lodex-cli synth F.shc --max-inputs K --objective O -o F-kK.shc
  lodex-cli analyze F-kK.shc            (must report no mismatch)
and prints a Markdown table of the one-output elements (a block of r outputs
counts r, less the outputs that are constant or that nothing reads), the
logic blocks, the levels (tiers less the output tier) and the time, beside the
LUTs and depth ABC reached (read from the folder's README table
"| name | inputs | outputs | K=4 LUTs / depth | K=5 | K=6 |"), with the ratios
and, per K and objective, their geometric means.

Then random fully specified multi-output functions of 8 to 12 inputs
(seeded), against the best of ABC's scripts (ABC_SCRIPTS, each result proven
equal with cec), counted like the classic ones; and the geometric means over
both sets.

Then large random n x m functions (seeded) at every K: time, elements and
levels beside ABC's plain "strash; dch; if -K K" on the same function, for
scale.

usage: scripts/synth-bench.py [--cli build/bin/lodex-cli] [--bench ../shared/bench] [-k 4 -k 6]
                              [--no-random] [--no-large] [--abc berkeley-abc]
Exit status 1 when a function fails to synthesise or to analyse equal.
"""
import argparse
import json
import math
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

RANDOM_SIZES = [(12, 3), (14, 4), (16, 1), (16, 4), (16, 12)]
# Random functions compared with ABC's best, as the classic ones.
RANDOM_COMPARED = [(8, 4), (9, 3), (10, 2), (10, 5), (11, 3), (12, 2)]
RESYN2 = "b; rw; rf; b; rw; rwz; b; rfz; rwz; b"
# From the plain mapping to rounds of restructuring, mapping and resynthesis.
ABC_SCRIPTS = [
    "strash; dch; if -K {k}",
    "strash; dch; if -K {k}; mfs2; lutpack",
    "strash; " + RESYN2 + "; dch; if -K {k}",
    "strash; " + RESYN2 + "; dch; if -K {k}; mfs2; lutpack",
    "collapse; sop; fx; strash; dch; if -K {k}",
    "collapse; sop; fx; strash; dch; if -K {k}; mfs2; lutpack",
    "collapse; sop; fx; strash; " + RESYN2 + "; dch; if -K {k}; mfs2; lutpack",
    "strash; dc2; dch; if -a -K {k}; mfs2; lutpack",
    "collapse; sop; fx; strash; " + RESYN2 + "; dch; if -K {k}; mfs2; lutpack; strash; dch; if -K {k}; mfs2; lutpack",
]
OBJECTIVES = ["luts", "depth"]


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


def run(cmd, timeout=None):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return subprocess.CompletedProcess(cmd, 124, "", f"timed out after {timeout} s")


def elements(scheme):
    """One-output elements of a scheme in `show --json` form: every output of
    a logic block that something reads and that is not constant."""
    blocks = scheme["blocks"]
    read = set()
    for b in blocks[1:]:
        for link in b["inputs"]:
            read.add((link["source"], link["pin"]))
    count = 0
    for b in blocks[1:-1]:
        digits = b["wordDigits"]
        lp = b["lp"]
        words = [lp[i:i + digits] for i in range(0, len(lp), digits)]
        values = [int(w, 16) for w in words if "*" not in w]
        for pin in range(b["outputCount"]):
            if (b["id"], pin) not in read:
                continue
            bits = {(v >> pin) & 1 for v in values}
            if len(bits) > 1:
                count += 1
    return count


def synthesise(cli, project, k, objective, out):
    """(elements, blocks, levels, seconds) or an error text."""
    synth = run([cli, "synth", project, "--max-inputs", str(k), "--objective", objective, "-o", out], timeout=600)
    m = re.match(r"blocks (\d+), tiers (\d+), time ([\d.]+) s", synth.stdout)
    if synth.returncode != 0 or not m:
        return f"synth failed: {synth.stderr.strip()}"
    blocks, tiers, seconds = int(m.group(1)), int(m.group(2)), float(m.group(3))
    if run([cli, "analyze", out]).returncode != 0:
        return "the result does not analyse equal"
    scheme = json.loads(run([cli, "show", out, "--json"]).stdout)
    if any(b["inputCount"] > k for b in scheme["blocks"][1:-1]):
        return "a block is wider than K"
    return elements(scheme), blocks, tiers - 1, seconds


def abc_plain(abc, pla, k):
    """(LUTs, depth) of ABC's plain script on a PLA file, or None."""
    if not abc:
        return None
    r = run([abc, "-c", f"read_pla {pla}; strash; dch; if -K {k}; print_stats"], timeout=600)
    m = re.search(r"nd\s*=\s*(\d+).*?lev\s*=\s*(\d+)", r.stdout, re.S)
    return (int(m.group(1)), int(m.group(2))) if m else None


def abc_best(abc, pla, k):
    """(LUTs, depth) of the smallest result of ABC_SCRIPTS that cec proves
    equal to the PLA, or None."""
    best = None
    for script in ABC_SCRIPTS:
        r = run([abc, "-c", f"read_pla {pla}; {script.format(k=k)}; print_stats; cec {pla}"], timeout=600)
        m = re.search(r"nd\s*=\s*(\d+).*?lev\s*=\s*(\d+)", r.stdout, re.S)
        if m and "Networks are equivalent" in r.stdout:
            got = (int(m.group(1)), int(m.group(2)))
            best = got if best is None or got < best else best
    return best


def random_project(cli, folder, name, n, m, seed):
    """(PLA, scheme) paths of a seeded random n x m function made a project,
    or an error text."""
    pla = os.path.join(folder, f"{name}-{n}x{m}.pla")
    write_random_pla(pla, n, m, seed)
    project = os.path.join(folder, f"{name}-{n}x{m}.shc")
    made = run([cli, "new", "--pla", pla, "-o", project])
    if made.returncode != 0:
        return f"random {n}x{m}: new --pla failed: {made.stderr.strip()}"
    return pla, project


def write_random_pla(path, n, m, seed):
    rng = random.Random(seed)
    with open(path, "w", encoding="ascii") as f:
        f.write(f".i {n}\n.o {m}\n.type f\n")
        for i in range(1 << n):
            word = rng.getrandbits(m)
            if word == 0:
                continue
            ins = "".join("1" if (i >> j) & 1 else "0" for j in range(n))
            outs = "".join("1" if (word >> j) & 1 else "0" for j in range(m))
            f.write(f"{ins} {outs}\n")
        f.write(".e\n")


def geomean(values):
    return math.exp(sum(math.log(v) for v in values) / len(values))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--cli", default=os.path.join(here, "..", "build", "bin", "lodex-cli"))
    ap.add_argument("--bench", default=os.path.join(here, "..", "..", "shared", "bench"))
    ap.add_argument("--abc", default=shutil.which("berkeley-abc") or shutil.which("abc"))
    ap.add_argument("-k", type=int, action="append", dest="ks")
    ap.add_argument("--no-random", action="store_true", help="skip the random functions")
    ap.add_argument("--no-large", action="store_true", help="skip the large random functions")
    args = ap.parse_args()
    ks = args.ks or [4, 6]
    abc = abc_figures(os.path.join(args.bench, "README.md"))
    names = sorted(f[:-4] for f in os.listdir(args.bench) if f.endswith(".pla"))
    ok = True
    ratios = {(k, o): {"elements": [], "levels": []} for k in ks for o in OBJECTIVES}
    slowest = 0.0
    print("| function | in | out | K | objective | elements | blocks | levels | time s | ABC LUTs | ABC depth "
          "| elements / LUTs | levels - depth |")
    print("|---|---|---|---|---|---|---|---|---|---|---|---|---|")
    with tempfile.TemporaryDirectory() as tmp:
        for name in names:
            project = os.path.join(tmp, name + ".shc")
            made = run([args.cli, "new", "--pla", os.path.join(args.bench, name + ".pla"), "-o", project])
            if made.returncode != 0:
                print(f"{name}: new --pla failed: {made.stderr.strip()}", file=sys.stderr)
                ok = False
                continue
            shown = json.loads(run([args.cli, "show", project, "--json"]).stdout)
            inputs = shown["blocks"][0]["outputCount"]
            width = shown["blocks"][-1]["inputCount"]
            for k in ks:
                luts, depth = abc.get(name, {}).get(k, (None, None))
                for objective in OBJECTIVES:
                    got = synthesise(args.cli, project, k, objective, os.path.join(tmp, f"{name}-k{k}.shc"))
                    if isinstance(got, str):
                        print(f"{name} K={k} {objective}: {got}", file=sys.stderr)
                        ok = False
                        continue
                    count, blocks, levels, seconds = got
                    slowest = max(slowest, seconds)
                    ratio = diff = "-"
                    if luts:
                        ratios[(k, objective)]["elements"].append(count / luts)
                        ratios[(k, objective)]["levels"].append(levels - depth)
                        ratio = f"{count / luts:.2f}"
                        diff = f"{levels - depth:+d}"
                    print(f"| {name} | {inputs} | {width} | {k} | {objective} | {count} | {blocks} | {levels} | "
                          f"{seconds:.3f} | {luts or '-'} | {depth or '-'} | {ratio} | {diff} |")

        def means(title, table):
            print()
            for k in ks:
                for objective in OBJECTIVES:
                    r = table[(k, objective)]
                    if r["elements"]:
                        print(f"{title}, K = {k}, {objective}: geometric mean of elements / ABC LUTs "
                              f"{geomean(r['elements']):.3f}, largest {max(r['elements']):.2f}; levels above ABC's depth "
                              f"on {sum(1 for d in r['levels'] if d > 0)} of {len(r['levels'])} functions, "
                              f"most {max(r['levels']):+d}")

        means("Classic functions", ratios)
        print(f"slowest bench synthesis: {slowest:.3f} s")

        def random_rows(name, sizes, seed, reference):
            """Synthesises seeded random functions at every K and objective;
            yields (n, m, k, objective, (elements, blocks, levels, seconds),
            the reference's (LUTs, depth) or None)."""
            nonlocal ok
            for n, m in sizes:
                made = random_project(args.cli, tmp, name, n, m, seed(n, m))
                if isinstance(made, str):
                    print(made, file=sys.stderr)
                    ok = False
                    continue
                pla, project = made
                for k in ks:
                    figures = reference(args.abc, pla, k)
                    for objective in OBJECTIVES:
                        got = synthesise(args.cli, project, k, objective, os.path.join(tmp, f"{name}-k{k}.shc"))
                        if isinstance(got, str):
                            print(f"random {n}x{m} K={k} {objective}: {got}", file=sys.stderr)
                            ok = False
                            continue
                        yield n, m, k, objective, got, figures

        if not args.no_random and args.abc:
            print()
            print("| random n x m | K | objective | elements | blocks | levels | time s | ABC best LUTs | ABC depth "
                  "| elements / LUTs | levels - depth |")
            print("|---|---|---|---|---|---|---|---|---|---|---|")
            both = {key: {"elements": list(v["elements"]), "levels": list(v["levels"])} for key, v in ratios.items()}
            for n, m, k, objective, got, best in random_rows("compared", RANDOM_COMPARED, lambda n, m: 100 * n + m,
                                                             abc_best):
                count, blocks, levels, seconds = got
                slowest = max(slowest, seconds)
                ratio = diff = "-"
                if best:
                    both[(k, objective)]["elements"].append(count / best[0])
                    both[(k, objective)]["levels"].append(levels - best[1])
                    ratio = f"{count / best[0]:.2f}"
                    diff = f"{levels - best[1]:+d}"
                print(f"| {n} x {m} | {k} | {objective} | {count} | {blocks} | {levels} | {seconds:.3f} | "
                      f"{best[0] if best else '-'} | {best[1] if best else '-'} | {ratio} | {diff} |")
            means("Classic and random functions", both)
            print(f"slowest synthesis of both sets: {slowest:.3f} s")

        if not args.no_random and not args.no_large:
            print()
            print("| random n x m | K | objective | elements | blocks | levels | time s | ABC plain LUTs | "
                  "ABC plain depth | elements / ABC |")
            print("|---|---|---|---|---|---|---|---|---|---|")
            for n, m, k, objective, got, plain in random_rows("random", RANDOM_SIZES, lambda n, m: 1000 * n + m,
                                                              abc_plain):
                count, blocks, levels, seconds = got
                luts, depth = plain if plain else ("-", "-")
                ratio = f"{count / luts:.2f}" if plain else "-"
                print(f"| {n} x {m} | {k} | {objective} | {count} | {blocks} | {levels} | {seconds:.3f} | "
                      f"{luts} | {depth} | {ratio} |")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
