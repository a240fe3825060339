#!/usr/bin/env python3
"""Checks that two versions of the golden outcome files differ only by
fields added to the window's dumps: every dump of NEW, with the named fields
taken out wherever they stand (a control in "controls", a field of a control),
equals the same dump of OLD, which holds none of them; every other line is
the same. Files only NEW holds (the outcomes of new scripts) are listed.

    scripts/golden-added-only.py OLD_DIR NEW_DIR NAME...

A dump is kept as one JSON line or one field a line (a line "{" up to the
next line "}"). E.g. after regenerating (TESSORA_GOLDEN_UPDATE=1) with the
old files copied aside:
    scripts/golden-added-only.py /tmp/golden-old tests/fixtures/golden msp14 mPratica
Exit status 0 when so, 1 with the first difference otherwise.
"""
import json
import os
import sys


def items(path):
    """The file as a list of (line number, dump or None, text)."""
    out, lines, i = [], open(path).read().splitlines(), 0
    while i < len(lines):
        line = lines[i]
        if line == "{":
            j = i
            while j < len(lines) and lines[j] != "}":
                j += 1
            text = "\n".join(lines[i:j + 1])
            out.append((i + 1, json.loads(text), text))
            i = j + 1
            continue
        if line.startswith("{"):
            try:
                out.append((i + 1, json.loads(line), line))
                i += 1
                continue
            except ValueError:
                pass
        out.append((i + 1, None, line))
        i += 1
    return out


def strip(value, added):
    """The dump without the added names, wherever they are keys."""
    if isinstance(value, dict):
        return {k: strip(v, added) for k, v in value.items() if k not in added}
    if isinstance(value, list):
        return [strip(v, added) for v in value]
    return value


def keys_of(value, found):
    if isinstance(value, dict):
        found.update(value.keys())
        for item in value.values():
            keys_of(item, found)
    elif isinstance(value, list):
        for v in value:
            keys_of(v, found)


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
        old_items = items(os.path.join(old_dir, name))
        new_items = items(os.path.join(new_dir, name))
        if len(old_items) != len(new_items):
            print("%s: %d dumps and lines, was %d" % (name, len(new_items), len(old_items)))
            return 1
        for (number, old, a), (_, new, b) in zip(old_items, new_items):
            if a == b:
                continue
            if old is None or new is None:
                print("%s:%d differs and is not a dump" % (name, number))
                return 1
            before = set()
            keys_of(old, before)
            if before & added:
                print("%s:%d: %s were there already" % (name, number, sorted(before & added)))
                return 1
            if strip(new, added) != old:
                print("%s:%d differs beyond the added fields" % (name, number))
                return 1
            checked += 1
    print("%d dumps differ only by the added fields %s" % (checked, " ".join(sorted(added))))
    for name in added_files:
        print("new: %s" % name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
