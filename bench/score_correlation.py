#!/usr/bin/env python3
"""How well Tessora's ratings order puzzles as Sudoku Explainer does.

Rates every puzzle of the cross-reference file with `tessora-cli rate --json`
and prints the Spearman rank correlation between the Sudoku Explainer rating
(the file's second column) and
  - Tessora's fine `score`,
  - Tessora's four words (Easy < Medium < Difficult < Diabolic < not solved),
  - for comparison, the other raters of the file (HoDoKu's score, qqwing's guesses).

    bench/score_correlation.py [--cli PATH] [--json RATED.json] [--by-rating] [CROSSREF]

CROSSREF defaults to ../shared/puzzles/se-stratified-100-per-rating.crossref.txt;
--json reads an earlier `rate --json` output instead of running the tool;
--by-rating adds the mean score of each Explainer rating.
The bands of the four words are checked too: every Easy scheme must score
below every Medium one, every Medium below every Difficult, every Difficult
below every Diabolic; the exit status is 1 when they overlap.
Python's standard library only.
"""
import argparse
import json
import math
import os
import subprocess
import sys
from collections import defaultdict

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WORDS = {"Easy": 0, "Medium": 1, "Difficult": 2, "Diabolic": 3}


def ranks(values):
    """Ranks from 1, ties sharing the mean of the ranks they span."""
    order = sorted(range(len(values)), key=lambda i: values[i])
    r = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            r[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return r


def pearson(a, b):
    n = len(a)
    ma, mb = sum(a) / n, sum(b) / n
    cov = sum((x - ma) * (y - mb) for x, y in zip(a, b))
    va = math.sqrt(sum((x - ma) ** 2 for x in a))
    vb = math.sqrt(sum((y - mb) ** 2 for y in b))
    return cov / (va * vb) if va and vb else 0.0


def spearman(a, b):
    return pearson(ranks(a), ranks(b))


def read_crossref(path):
    rows = []
    with open(path) as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split()
            rows.append({"puzzle": fields[0].replace("0", "."), "se": float(fields[1]),
                         "hodoku": int(fields[4]), "qqwing_guesses": int(fields[6])})
    return rows


def rate(cli, puzzles):
    text = "".join(p + "\n" for p in puzzles)
    out = subprocess.run([cli, "rate", "--json"], input=text, capture_output=True, text=True, check=True).stdout
    return [json.loads(line) for line in out.splitlines() if line.strip()]


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("crossref", nargs="?",
                    default=os.path.join(ROOT, "..", "shared", "puzzles",
                                         "se-stratified-100-per-rating.crossref.txt"))
    ap.add_argument("--cli", default=os.path.join(ROOT, "build", "src", "cli", "tessora-cli"))
    ap.add_argument("--json", help="an earlier rate --json output of the same puzzles")
    ap.add_argument("--by-rating", action="store_true")
    args = ap.parse_args()

    rows = read_crossref(args.crossref)
    if args.json:
        with open(args.json) as f:
            rated = [json.loads(line) for line in f if line.strip()]
    else:
        rated = rate(args.cli, [r["puzzle"] for r in rows])
    by_puzzle = {r["puzzle"]: r for r in rated}
    missing = [r["puzzle"] for r in rows if r["puzzle"] not in by_puzzle]
    if missing:
        sys.exit("%d puzzles were not rated, the first %s" % (len(missing), missing[0]))

    se = [r["se"] for r in rows]
    out = [by_puzzle[r["puzzle"]] for r in rows]
    print("%d puzzles, Spearman rank correlation with the Sudoku Explainer rating:" % len(rows))
    if all("score" in o for o in out):
        print("  Tessora score       %.4f" % spearman([o["score"] for o in out], se))
    else:
        print("  Tessora score       (not in this output)")
    print("  Tessora words       %.4f" % spearman([WORDS.get(o["difficulty"], 4) for o in out], se))
    print("  HoDoKu score        %.4f" % spearman([r["hodoku"] for r in rows], se))
    print("  qqwing guesses      %.4f" % spearman([r["qqwing_guesses"] for r in rows], se))

    status = 0
    scored = [o for o in out if o.get("score") is not None and o.get("difficulty") in WORDS]
    if scored:
        print("\n  word        n    lowest  highest")
        bands = []
        for word, k in sorted(WORDS.items(), key=lambda w: w[1]):
            g = [o["score"] for o in scored if o["difficulty"] == word]
            if g:
                bands.append((word, min(g), max(g)))
                print("  %-10s %5d  %6.2f  %6.2f" % (word, len(g), min(g), max(g)))
        for (w1, _, hi), (w2, lo, _) in zip(bands, bands[1:]):
            if hi >= lo:
                print("  bands overlap: a %s scheme scores %.2f, a %s one %.2f" % (w1, hi, w2, lo))
                status = 1
        if status == 0:
            print("  the bands do not overlap")

    if args.by_rating and all("score" in o for o in out):
        groups = defaultdict(list)
        for r, o in zip(rows, out):
            groups[r["se"]].append(o["score"])
        print("\n  SE    n   mean score   min    max")
        for s in sorted(groups):
            g = groups[s]
            print("  %.1f %4d   %8.2f   %6.2f %6.2f" % (s, len(g), sum(g) / len(g), min(g), max(g)))
    return status


if __name__ == "__main__":
    sys.exit(main())
