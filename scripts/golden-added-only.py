#!/usr/bin/env python3
"""Checks that two versions of the golden outcome files differ only by
controls added to the window: every dump line of NEW, with the named controls
taken out, equals the same line of OLD, and the named controls are new.
Files only NEW holds (the outcomes of new scripts) are listed.

    scripts/golden-added-only.py OLD_DIR NEW_DIR CONTROL...

e.g. after regenerating (TESSORA_GOLDEN_UPDATE=1) with the old files copied
aside: scripts/golden-added-only.py /tmp/golden-old tests/fixtures/golden msp14 mPratica
Exit status 0 when so, 1 with the first difference otherwise.
"""
import json
import os
import sys


def strip(value, added):
    """The dump without the added controls (wherever a "controls" object holds them)."""
    if isinstance(value, dict):
        out = {}
        for key, item in value.items():
            if key == "controls" and isinstance(item, dict):
                item = {k: v for k, v in item.items() if k not in added}
            out[key] = strip(item, added)
        return out
    if isinstance(value, list):
        return [strip(v, added) for v in value]
    return value


def controls_of(value, found):
    if isinstance(value, dict):
        for key, item in value.items():
            if key == "controls" and isinstance(item, dict):
                found.update(item.keys())
            controls_of(item, found)
    elif isinstance(value, list):
        for v in value:
            controls_of(v, found)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    old_dir, new_dir, added = sys.argv[1], sys.argv[2], set(sys.argv[3:])
    names = sorted(n for n in os.listdir(old_dir) if n.endswith(".golden"))
    added_files = sorted(set(n for n in os.listdir(new_dir) if n.endswith(".golden")) - set(names))
    checked = 0
    for name in names:
        if not os.path.exists(os.path.join(new_dir, name)):
            print("%s is gone" % name)
            return 1
        old_lines = open(os.path.join(old_dir, name)).read().splitlines()
        new_lines = open(os.path.join(new_dir, name)).read().splitlines()
        if len(old_lines) != len(new_lines):
            print("%s: %d lines, was %d" % (name, len(new_lines), len(old_lines)))
            return 1
        for number, (a, b) in enumerate(zip(old_lines, new_lines), 1):
            if a == b:
                continue
            try:
                old, new = json.loads(a), json.loads(b)
            except ValueError:
                print("%s:%d differs and is not a dump" % (name, number))
                return 1
            before = set()
            controls_of(old, before)
            if before & added:
                print("%s:%d: %s were there already" % (name, number, sorted(before & added)))
                return 1
            if strip(new, added) != old:
                print("%s:%d differs beyond the added controls" % (name, number))
                return 1
            checked += 1
    print("%d dumps differ only by the added controls %s" % (checked, " ".join(sorted(added))))
    for name in added_files:
        print("new: %s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
