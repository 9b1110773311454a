#!/usr/bin/env bash
# gen_loop_table.sh N DIR: N/10 LOOP ranges of the definition, each named
# by a LOOP block of the source (every eighth by a part of its name, found
# in near mode). Writes DIR/defs.v and DIR/top.v; prints the korvex
# arguments to use.
set -eu
n=$1; dir=$2; s=$((n / 10))
awk -v s="$s" 'BEGIN {
  for (i = 0; i < s; i++) printf "LOOP LANE_%d_IDX %d\n", i, 1 + i % 2
}' > "$dir/defs.v"
awk -v s="$s" 'BEGIN {
  print "module lanes;"
  for (i = 0; i < s; i++) {
    name = (i % 8 == 7 ? "LANE_" i "_ID" : "LANE_" i "_IDX")
    printf "LOOP %s\n  wire w%d_%s;\nENDLOOP %s\n", name, i, name, name
  }
  print "endmodule"
}' > "$dir/top.v"
echo "top.v defs.v -max_defs $((s + 10))"
