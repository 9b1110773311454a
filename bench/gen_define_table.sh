#!/usr/bin/env bash
# gen_define_table.sh N DIR: N/10 DEFINEs (every tenth UNDEF'd again), each
# tested by an IFDEF block and a DVAL of the source. Writes DIR/defs.v and
# DIR/top.v; prints the korvex arguments to use.
set -eu
n=$1; dir=$2; s=$((n / 10))
awk -v s="$s" 'BEGIN {
  for (i = 0; i < s; i++) printf "DEFINE OPT_%d\n", i
  for (i = 0; i < s; i += 10) printf "UNDEF OPT_%d\n", i
}' > "$dir/defs.v"
awk -v s="$s" 'BEGIN {
  print "module opts;"
  for (i = 0; i < s; i++)
    printf "IFDEF OPT_%d\n  wire on_%d = DVAL(OPT_%d);\nELSE OPT_%d\n  wire off_%d;\nENDIF OPT_%d\n", i, i, i, i, i, i
  print "endmodule"
}' > "$dir/top.v"
echo "top.v defs.v -max_defs $((s + 10))"
