#!/usr/bin/env bash
# gen_loop.sh N DIR: a source whose LOOP block, a body of 20 lines, expands
# to about N lines. Writes DIR/top.v; prints the korvex arguments to use.
set -eu
n=$1; dir=$2
awk -v n="$n" 'BEGIN {
  count = int(n / 20); if (count < 1) count = 1
  print "module bench_loop;"
  print "LOOP IDX " count
  for (j = 0; j < 20; j++)
    printf "  assign out_IDX_%d = in_IDX_%d ^ key[IDX] ^ %d;\n", j, j, j
  print "ENDLOOP IDX"
  print "endmodule"
}' > "$dir/top.v"
echo "top.v"
