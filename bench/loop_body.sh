#!/usr/bin/env bash
# Writes a Korvex source to standard output whose LOOP block, a body of 20
# lines, expands to about N lines. Usage: loop_body.sh N
set -eu
n=${1:?usage: loop_body.sh N}
awk -v n="$n" 'BEGIN {
  count = int(n / 20); if (count < 1) count = 1
  print "module bench_loop;"
  print "LOOP IDX " count
  for (j = 0; j < 20; j++)
    printf "  assign out_IDX_%d = in_IDX_%d ^ key[IDX] ^ %d;\n", j, j, j
  print "ENDLOOP IDX"
  print "endmodule"
}'
