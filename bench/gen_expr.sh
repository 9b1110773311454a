#!/usr/bin/env bash
# gen_expr.sh N DIR: a source of N lines, each holding a few EXPR, HEX and
# DUPL forms. Writes DIR/top.v; prints the korvex arguments to use.
set -eu
n=$1; dir=$2
awk -v n="$n" 'BEGIN {
  for (i = 0; i < n; i++)
    printf "  localparam P%d = EXPR(%d*8+(%d%%7)), M%d = HEX(EXPR(%d*3) 32), D%d = DUPL(0 %d);\n", i, i, i, i, i, i, 1 + i % 5;
}' > "$dir/top.v"
echo "top.v"
