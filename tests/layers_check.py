#!/usr/bin/env python3
"""Checks that the folders of src/ form a straight stack of layers.

A file may include headers of its own folder and of the folders below it,
never of a folder above it: base, bignum, text, expr, defines, swaps, loops,
groups, lint, output, driver, from the bottom up. A folder that is not in
the list is an error too, so that a new folder is given its place.
Usage: layers_check.py SRC_DIR
"""
import pathlib
import re
import sys

STACK = ["base", "bignum", "text", "expr", "defines", "swaps", "loops", "groups", "lint",
         "output", "driver"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.M)


def main() -> int:
    src = pathlib.Path(sys.argv[1])
    level = {name: i for i, name in enumerate(STACK)}
    faults = []
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in level:
            faults.append(f"{path}: folder {folder} has no place in the stack")
            continue
        for included in INCLUDE.findall(path.read_text()):
            if included not in level:
                faults.append(f"{path}: includes from {included}, which has no place in the stack")
            elif level[included] > level[folder]:
                faults.append(f"{path}: {folder} includes {included}, a layer above it")
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
