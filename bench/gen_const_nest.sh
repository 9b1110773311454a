#!/usr/bin/env bash
# gen_const_nest.sh N DIR: one line holding N/30 CONST forms nested in each
# other. Writes DIR/top.v; prints the korvex arguments to use.
set -eu
n=$1; dir=$2; d=$((n / 30))
awk -v d="$d" 'BEGIN {
  print "module nest;"
  printf "  wire w = "
  for (i = 0; i < d; i++) printf "CONST("
  printf "x"
  for (i = 0; i < d; i++) printf ")"
  print ";"
  print "endmodule"
}' > "$dir/top.v"
echo "top.v"
