#!/usr/bin/env bash
# gen_plain.sh N DIR: a plain Verilog source of about N lines, no directives.
# Writes DIR/top.v; prints the korvex arguments to use (relative to DIR).
set -eu
n=$1; dir=$2
awk -v n="$n" 'BEGIN {
  print "module big (input clk, input rst);";
  for (i = 0; i < n - 2; i++) {
    m = i % 4;
    if (m == 0) printf "  wire [31:0] sig_%d;\n", i;
    else if (m == 1) printf "  assign sig_%d = sig_%d ^ 32%ch%08x; // mix\n", i - 1, i - 1, 39, i;
    else if (m == 2) printf "  always @(posedge clk) if (rst) r_%d <= 0; else r_%d <= sig_%d;\n", i, i, i - 2;
    else printf "  reg [31:0] r_%d;\n", i;
  }
  print "endmodule";
}' > "$dir/top.v"
echo "top.v"
