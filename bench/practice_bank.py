#!/usr/bin/env python3
"""Writes the practice bank (src/core/control/practice_bank.txt) from the
findings of bench/practice_mine: per method, the schemes whose walks met the
method again most often once seen another way, public collections first.

    bench/practice_bank.py FINDINGS... > src/core/control/practice_bank.txt

A finding line: method, turns "a/t", scheme, source (file:line or random:k),
"+k" digits of the solution added.
"""
import collections
import sys

# Per method: the most schemes kept, and the fewest turns (of six) that must
# have met the method again. Swordfish Butterfly is met again less often:
# the order of the steps before it decides whether its pattern is still there.
KEEP = {10: (30, 6), 11: (30, 6), 12: (40, 6), 14: (40, 2), 15: (30, 5), 16: (30, 5)}

NAMES = {
    "se-stratified-100-per-rating.txt": "sudoku-exchange (se-stratified-100-per-rating.txt)",
    "diabolical_500.txt": "sudoku-exchange (diabolical_500.txt)",
    "hard_500.txt": "sudoku-exchange (hard_500.txt)",
    "medium_500.txt": "sudoku-exchange (medium_500.txt)",
    "top1465.txt": "top1465",
    "top95.txt": "top95",
    "hardest.txt": "hardest",
    "technique-exemplars.txt": "technique-exemplars",
}

HEADER = """\
# The practice bank: schemes in which the methods that ordinary schemes seldom
# need give the next step of the walk in the standard order. A practice
# position of such a method starts from one of them (when a few schemes made
# at random did not give one), relabelled and with its rows and columns
# moved, and walks it forward until the method is next.
#
# One scheme a line: the method's number, the scheme (81 characters, "." for
# an empty cell; every scheme has exactly one solution), where it comes from.
# Where the walk of a scheme met a point at which no method applied, the
# digits of the solution it put in there are added as givens, so that the
# walk meets no such point before the method.
#
# Sources: the sudoku-exchange puzzle bank (public domain), as sampled in
# se-stratified-100-per-rating.txt, diabolical_500.txt, hard_500.txt and
# medium_500.txt; the classic collections top1465 and top95; and schemes made
# at random by Tessora's own practice generator (random:k is the scheme made
# from seed k). Found and chosen by bench/practice_mine and
# bench/practice_bank.py (README, "Practice positions").
"""


def source(where, added):
    if where.startswith("random:"):
        text = "made at random, " + where
    else:
        path, line = where.rsplit(":", 1)
        text = NAMES.get(path.split("/")[-1], path.split("/")[-1]) + " line " + line
    k = int(added.lstrip("+"))
    if k:
        text += ", %d digit%s of the solution added" % (k, "s" if k > 1 else "")
    return text


def main():
    found = collections.defaultdict(list)
    for name in sys.argv[1:]:
        for line in open(name):
            parts = line.split()
            if len(parts) != 5:
                continue
            method, turns, scheme, where, added = parts
            met = int(turns.split("/")[0])
            found[int(method)].append((met, scheme, where, added))
    out = [HEADER]
    for method in sorted(found):
        if method not in KEEP:
            continue
        most, fewest = KEEP[method]
        rows = [r for r in found[method] if r[0] >= fewest]
        # Public schemes first, then those met again most often, one per source.
        rows.sort(key=lambda r: (r[2].startswith("random:"), -r[0]))
        kept, sources = [], set()
        for met, scheme, where, added in rows:
            if where in sources:
                continue
            sources.add(where)
            kept.append("%d %s %s" % (method, scheme, source(where, added)))
            if len(kept) == most:
                break
        out.append("")
        out.extend(kept)
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
