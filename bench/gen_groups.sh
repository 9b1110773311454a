#!/usr/bin/env bash
# gen_groups.sh N DIR: a group of 100 members referenced from N/100 source
# lines, which expand into about N lines (declarations, plain member lines
# and two-reference assignments). Writes DIR/defs.v and DIR/top.v; prints
# the korvex arguments to use (relative to DIR).
set -eu
n=$1; dir=$2
awk 'BEGIN {
  print "GROUP bus is {";
  for (i = 0; i < 100; i++) printf "  sig_%d %d %s\n", i, (i % 7) + 1, (i % 3 == 0 ? "input" : "output");
  print "}";
}' > "$dir/defs.v"
awk -v refs=$(( n / 100 )) 'BEGIN {
  print "module big (input clk);";
  for (i = 0; i < refs; i++) {
    m = i % 4;
    if (m == 0) print "  port GROUP_bus,";
    else if (m == 1) print "  wire GROUP_bus;";
    else if (m == 2) printf "  assign GROUP_bus_%d = GROUP_bus ^ GROUP_bus.IDX;\n", i;
    else print "  reg GROUP_bus.OUT;";
  }
  print "endmodule";
}' > "$dir/top.v"
echo "top.v defs.v"
