#!/usr/bin/env bash
# gen_iter.sh N DIR: a source whose ITER block, 20 lines that mention the
# iterator and one that does not, expands to about N lines. Writes DIR/top.v;
# prints the korvex arguments to use.
set -eu
n=$1; dir=$2
awk -v n="$n" 'BEGIN {
  count = int(n / 20); if (count < 1) count = 1
  print "module bench_iter;"
  print "ITER IDX " count
  for (j = 0; j < 20; j++)
    printf "  wire [7:0] w_IDX_%d = in_IDX_%d ^ key[IDX];\n", j, j
  print "  reg shared;"
  print "ENDITER IDX"
  print "endmodule"
}' > "$dir/top.v"
echo "top.v"
