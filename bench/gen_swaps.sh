#!/usr/bin/env bash
# Writes a substitution benchmark into directory DIR (default: the current one): defs.v with 200
# swaps and big.v with N lines (default 1000000), each line using two swaps.
# Run: build/korvex big.v defs.v -max_lines 3000000 -o out.v
set -eu
n=${1:-1000000}
cd "${2:-.}"
awk 'BEGIN { for (i = 0; i < 200; i++) printf "SWAP SW_%03d val_%d\n", i, i }' > defs.v
awk -v n="$n" 'BEGIN {
  for (i = 0; i < n; i++)
    printf "assign w%d = SW_%03d + SW_%03d + r%d;\n", i, i % 200, (i * 7 + 3) % 200, i
}' > big.v
echo "big.v defs.v"
