#!/usr/bin/env bash
# Writes a Korvex source to standard output whose ITER block, 20 lines that
# mention the iterator plus a CONCAT line, expands to about N lines.
# Usage: iter_block.sh N
set -eu
n=${1:?usage: iter_block.sh N}
awk -v n="$n" 'BEGIN {
  count = int(n / 20); if (count < 1) count = 1
  print "module bench_iter;"
  print "ITER IDX " count
  for (j = 0; j < 20; j++)
    printf "  wire [7:0] w_IDX_%d = in_IDX_%d ^ key[IDX];\n", j, j
  print "  reg shared;"
  print "ENDITER IDX"
  print "endmodule"
}'
