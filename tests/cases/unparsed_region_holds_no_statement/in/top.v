OUTFILE core_out.v
module core;
ENDPARSE
  // OUTDIR gen, OUTFILE other.v and CREATE child.v stay text here
  // CREATE child.v
  // OUTFILE other.v
STARTPARSE
  wire a;
endmodule
