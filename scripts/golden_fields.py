#!/usr/bin/env python3
"""Shows how the golden outcome files differ from those of another revision.

    scripts/golden_fields.py [REV]        (REV: main by default)

Every tests/fixtures/golden/*.golden file of the working tree is compared,
item by item, with the same file at REV. An item is a dump (a JSON object,
on one line or written one field a line: from a line "{" to the next line
"}") or any other line. Dumps are parsed on both sides: fields present only
in the new dump are listed as added (with how many times), and are left out
of the comparison; every other difference (a value changed, a field gone, an
item more or less, a text line changed) is printed. Exit status 0 when the
files differ by added fields alone, 1 otherwise, 2 when REV cannot be read.
"""
import json
import re
import subprocess
import sys
from collections import Counter
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
GOLDEN = Path("tests/fixtures/golden")


def at_rev(rev, path):
    """The file's text at REV, or None when the file is not there."""
    result = subprocess.run(["git", "-C", str(ROOT), "show", f"{rev}:{path.as_posix()}"],
                            capture_output=True)
    return result.stdout.decode("utf-8") if result.returncode == 0 else None


def shape(path):
    """A field's path with list positions and the names of controls folded:
    cells[*].accessibleName, controls.*.accessibleName (a control added
    whole keeps its name)."""
    path = re.sub(r"\[\d+\]", "[*]", path)
    return re.sub(r"controls\.[^.]+\.(?=[^.]+$)", "controls.*.", path)


def compare(old, new, path, added, changes):
    if isinstance(old, dict) and isinstance(new, dict):
        for key in new:
            where = f"{path}.{key}" if path else key
            if key in old:
                compare(old[key], new[key], where, added, changes)
            else:
                added[shape(where)] += 1
        for key in old:
            if key not in new:
                changes.append(f"{path}.{key}: field gone")
    elif isinstance(old, list) and isinstance(new, list):
        if len(old) != len(new):
            changes.append(f"{path}: {len(old)} items, now {len(new)}")
            return
        for i, (a, b) in enumerate(zip(old, new)):
            compare(a, b, f"{path}[{i}]", added, changes)
    elif old != new or type(old) is not type(new):
        changes.append(f"{path}: {json.dumps(old)[:80]} -> {json.dumps(new)[:80]}")


def items(text):
    """The file's items in order: (line number, parsed dump) for a dump,
    (line number, text) for any other line."""
    lines = text.splitlines()
    out = []
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.startswith("{"):
            # A dump on one line, or one written one field a line.
            try:
                out.append((i + 1, json.loads(line)))
                i += 1
                continue
            except ValueError:
                pass
            end = i
            while end < len(lines) and lines[end] != "}":
                end += 1
            try:
                out.append((i + 1, json.loads("\n".join(lines[i:end + 1]))))
                i = end + 1
                continue
            except ValueError:
                pass
        out.append((i + 1, line))
        i += 1
    return out


def main():
    rev = sys.argv[1] if len(sys.argv) > 1 else "main"
    if subprocess.run(["git", "-C", str(ROOT), "rev-parse", "--verify", "-q", rev],
                      capture_output=True).returncode != 0:
        print(f"{rev}: no such revision", file=sys.stderr)
        return 2
    added = Counter()
    failures = 0
    files = sorted((ROOT / GOLDEN).glob("*.golden"))
    for file in files:
        rel = file.relative_to(ROOT)
        old_text = at_rev(rev, rel)
        if old_text is None:
            print(f"{rel}: new file")
            continue
        old_items = items(old_text)
        new_items = items(file.read_text(encoding="utf-8"))
        changes = []
        if len(old_items) != len(new_items):
            changes.append(f"{len(old_items)} items, now {len(new_items)}")
        for (_, a), (number, b) in zip(old_items, new_items):
            if a == b and type(a) is type(b):
                continue
            if isinstance(a, str) or isinstance(b, str):
                changes.append(f"line {number}: text changed")
                continue
            found = []
            compare(a, b, "", added, found)
            changes.extend(f"line {number}: {c}" for c in found)
        for c in changes:
            print(f"{rel}: {c}")
        failures += bool(changes)
    print(f"{len(files)} golden files compared with {rev}; "
          f"{failures} differ by more than added fields.")
    for field, count in sorted(added.items()):
        print(f"  added {field} ({count} times)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
