#!/usr/bin/env bash
# gen_swap_table.sh N DIR: a register map of N/10 SWAPs (address, width and
# a value naming another swap; every 16th name holds an earlier one) and a
# source using each of them. Writes DIR/defs.v and DIR/top.v; prints the
# korvex arguments to use.
set -eu
n=$1; dir=$2; s=$((n / 10))
awk -v s="$s" 'BEGIN {
  for (i = 0; i < s; i++) {
    r = "BLK" int(i / 64) "_REG" (i % 64)
    if (i % 3 == 0) printf "SWAP %s_ADDR 32'"'"'h%08x\n", r, i * 4
    else if (i % 3 == 1) printf "SWAP %s_WIDTH %d\n", r, 1 + i % 32
    else printf "SWAP %s_END BLK%d_REG%d_ADDR+4\n", r, int((i - 2) / 64), (i - 2) % 64
    if (i % 16 == 0) printf "SWAP %s_ADDR_HI 0\n", r
  }
}' > "$dir/defs.v"
awk -v s="$s" 'BEGIN {
  print "module regs;"
  for (i = 0; i < s; i++) {
    r = "BLK" int(i / 64) "_REG" (i % 64)
    k = (i % 3 == 0 ? "_ADDR" : (i % 3 == 1 ? "_WIDTH" : "_END"))
    printf "  localparam P%d = %s%s;\n", i, r, k
  }
  print "endmodule"
}' > "$dir/top.v"
echo "top.v defs.v -max_defs $((s * 2 + 10))"
