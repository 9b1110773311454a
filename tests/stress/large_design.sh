#!/usr/bin/env bash
# Stress: a generated design of about 100,000 source lines with 2,000 swaps,
# IFDEF blocks nested 60 deep (both branches, taken and not) and nested
# LOOP blocks must finish within a generous time bound and write exactly the
# lines it should.
# Usage: large_design.sh KORVEX [SECONDS]
set -u
korvex=$(readlink -f "$1")
limit=${2:-60}
dir=$(mktemp -d "${TMPDIR:-/tmp}/korvex-stress.XXXXXX")
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

depth=60
awk -v depth="$depth" 'BEGIN {
  for (i = 0; i < 2000; i++) printf "SWAP SW_%04d val_%d\n", i, i
  for (d = 0; d < depth; d++) printf "DEFINE DEF_%02d\n", d
}' > defs.v

# expected = the number of lines the output must hold.
expected=$(awk -v depth="$depth" '
  function body(n,   k) {
    for (k = 0; k < n; k++) {
      printf "assign w%d = SW_%04d + SW_%04d;\n", line, line % 2000, (line * 7 + 3) % 2000
      line++; kept++
    }
  }
  BEGIN {
    line = 0; kept = 0
    while (total < 100000) {
      # Taken blocks nested depth deep, each level with a dropped ELSE
      # branch and a dropped undefined block inside.
      for (d = 0; d < depth; d++) {
        printf "IFDEF DEF_%02d\n", d
        body(10)
        printf "IFDEF NOT_DEFINED_%02d\n", d
        printf "dropped_%d;\n", d
        printf "ENDIF NOT_DEFINED_%02d\n", d
        total += 4 + 10
      }
      for (d = depth - 1; d >= 0; d--) {
        printf "ELSE DEF_%02d\n", d
        printf "dropped_else_%d;\n", d
        printf "ENDIF DEF_%02d\n", d
        total += 3
      }
      # Nested loops: 8 x 5 copies of a two-line body.
      printf "LOOP LPA 8\nLOOP LPB 5\n"
      printf "assign lp%d_LPA_LPB = SW_0001;\n", line
      printf "assign lq%d_LPA_LPB = SW_1999;\n", line
      printf "ENDLOOP LPB\nENDLOOP LPA\n"
      line++; kept += 80; total += 6
    }
    printf "%d\n", kept > "/dev/stderr"
  }' 2>&1 > top.v)

lines=$(wc -l < top.v)
# The bound is on CPU time (user + system), so that a loaded machine does
# not fail the test; the wall clock only stops a hang.
TIMEFORMAT='%U %S'
{ time { timeout $((limit * 15)) "$korvex" top.v defs.v -max_defs 3000 -max_lines 400000 \
    -o out.v > stdout.txt 2> stderr.txt; echo $? > rc.txt; }; } 2> time.txt
rc=$(cat rc.txt)
cpu=$(awk '{ printf "%d", $1 + $2 + 0.999 }' time.txt)
[ "$rc" -eq 0 ] || { echo "FAIL: exit status $rc"; head -c 600 stdout.txt; exit 1; }
[ -s stderr.txt ] && { echo "FAIL: wrote to standard error"; head -c 600 stderr.txt; exit 1; }
[ "$cpu" -le "$limit" ] || { echo "FAIL: took ${cpu}s of CPU, limit ${limit}s"; exit 1; }
got=$(grep -c . out.v)  # the written lines, without the blank lines that end a file
[ "$got" -eq "$expected" ] || { echo "FAIL: wrote $got lines, expected $expected"; exit 1; }
grep -q 'SW_' out.v && { echo "FAIL: a swap name was left"; exit 1; }
grep -q 'dropped' out.v && { echo "FAIL: a dropped block was written"; exit 1; }
grep -q 'LP[AB]' out.v && { echo "FAIL: a loop name was left"; exit 1; }
echo "ok: $lines source lines, $got written in ${cpu}s of CPU"
