#!/usr/bin/env bash
# Writes a conditional-block benchmark into directory DIR (default: the current one): defs.v
# defining 25 of 50 names, and big.v with N lines (default 1000000) in blocks
# of ten: IFDEF, four lines, ELSE, three lines, ENDIF, over the 50 names.
# Run: build/korvex big.v defs.v -max_lines 3000000 -o out.v
set -eu
n=${1:-1000000}
cd "${2:-.}"
awk 'BEGIN { for (i = 0; i < 50; i += 2) printf "DEFINE D%02d\n", i }' > defs.v
awk -v n="$n" 'BEGIN {
  for (b = 0; b * 10 < n; b++) {
    d = sprintf("D%02d", b % 50)
    printf "IFDEF %s\n", d
    for (k = 0; k < 4; k++) printf "assign a%d_%d = b%d;\n", b, k, k
    printf "ELSE %s\n", d
    for (k = 0; k < 3; k++) printf "assign c%d_%d = d%d;\n", b, k, k
    printf "ENDIF %s\n", d
  }
}' > big.v
echo "big.v defs.v"
