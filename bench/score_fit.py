#!/usr/bin/env python3
"""Fits the weights of the fine score's trial rounds to Sudoku Explainer's ratings.

Reads the terms of every puzzle (the JSON lines of the score_terms benchmark
program) and the cross-reference file with the Explainer ratings, and looks
for the weights that give the highest Spearman rank correlation between the
score and the rating, by coordinate search from the weights given. Prints
the correlation of the start and of the best weights found. The fit is
in-sample: it is measured on the puzzles it was fitted on.

    build-bench/bench/score_terms < ../shared/puzzles/se-stratified-100-per-rating.txt > terms.json
    bench/score_fit.py terms.json [CROSSREF] [--start R,H,S]

The score of a scheme that needed trials, as control/score.cpp computes it:
    5 + R*ln(rounds+1) + H*(hardest-1) + S*ln(followed/soonest)
A scheme the methods solved scores its word's band floor (1 Easy .. 4
Diabolic) plus (method weight - 1)/5: that part has no weights to fit.
Python's standard library only.
"""
import argparse
import json
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from score_correlation import read_crossref, spearman  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
NAMES = ["rounds", "hardest", "rarity"]


def score(t, w):
    if t["trials"]:
        rarity = math.log(t["followed"] / max(t["soonest"], 1)) if t["followed"] else 0.0
        s = 5 + w[0] * math.log(t["rounds"] + 1) + w[1] * max(t["hardest"] - 1, 0) + w[2] * max(rarity, 0.0)
    else:
        s = 1 + t["word"] + min(max((t["method"] - 1) / 5, 0), 0.9)
    return round(s * 100) / 100


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("terms")
    ap.add_argument("crossref", nargs="?",
                    default=os.path.join(ROOT, "..", "shared", "puzzles",
                                         "se-stratified-100-per-rating.crossref.txt"))
    ap.add_argument("--start", default="0.48,1.0,0.4")
    args = ap.parse_args()

    se = {r["puzzle"]: r["se"] for r in read_crossref(args.crossref)}
    with open(args.terms) as f:
        terms = [json.loads(line) for line in f if line.strip()]
    terms = [t for t in terms if t["unique"]]
    ratings = [se[t["puzzle"].replace("0", ".")] for t in terms]

    def fit(w):
        return spearman([score(t, w) for t in terms], ratings)

    w = [float(x) for x in args.start.split(",")]
    best = fit(w)
    print("start  %s  Spearman %.4f" % (",".join("%.3g" % x for x in w), best))
    step = 0.5
    while step > 0.01:
        improved = False
        for i in range(len(w)):
            for factor in (1 + step, 1 / (1 + step)):
                trial = list(w)
                trial[i] = w[i] * factor if w[i] else step
                r = fit(trial)
                if r > best + 1e-6:
                    w, best, improved = trial, r, True
        if not improved:
            step /= 2
    print("best   %s  Spearman %.4f" % (",".join("%.3g" % x for x in w), best))
    for name, x in zip(NAMES, w):
        print("  %-10s %.3f" % (name, x))


if __name__ == "__main__":
    main()
