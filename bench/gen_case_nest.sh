#!/usr/bin/env bash
# gen_case_nest.sh N DIR: one line holding N/30 UCASE forms nested in each
# other, each with a small-letter word before the next, around an LCASE
# form. Writes DIR/top.v; prints the korvex arguments to use.
set -eu
n=$1; dir=$2; d=$((n / 30))
awk -v d="$d" 'BEGIN {
  print "module nest;"
  printf "  wire w = "
  for (i = 0; i < d; i++) printf "UCASE(b%d_", i % 10
  printf "LCASE(Xy)"
  for (i = 0; i < d; i++) printf ")"
  print ";"
  print "endmodule"
}' > "$dir/top.v"
echo "top.v"
