module core;
  // OUTDIR gen, OUTFILE other.v and CREATE child.v stay text here
  // CREATE child.v
  // OUTFILE other.v
  wire a;
endmodule


