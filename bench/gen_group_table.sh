#!/usr/bin/env bash
# gen_group_table.sh N DIR: a group of N/10 members (half of them added by
# extends, with a SON attribute), its inversion and a join of both, each
# expanded once by the source. Writes DIR/defs.v and DIR/top.v; prints the
# korvex arguments to use.
set -eu
n=$1; dir=$2; s=$((n / 10))
awk -v s="$s" 'BEGIN {
  print "GROUP bus is {"
  for (i = 0; i < s / 2; i++) printf "  sig_%d %d %s\n", i, (i % 7) + 1, (i % 3 == 0 ? "input" : "output")
  print "}"
  print "GROUP bus extends {"
  for (i = s / 2; i < s; i++) printf "  sig_%d %d %s SON(kind k%d)\n", i, (i % 7) + 1, (i % 3 == 0 ? "input" : "output"), i % 5
  print "}"
  print "GROUP bus_s inverts bus"
  print "GROUP both joins {"
  print "  GROUP bus.OUT prefix_m_"
  print "  GROUP bus_s.IN prefix_s_"
  print "}"
}' > "$dir/defs.v"
awk 'BEGIN {
  print "module big (input clk);"
  print "  port GROUP_bus_s,"
  print "  wire GROUP_both;"
  print "  assign GROUP_bus_q = GROUP_bus ^ GROUP_bus.IDX;"
  print "endmodule"
}' > "$dir/top.v"
echo "top.v defs.v -max_defs $((s * 2 + 10))"
