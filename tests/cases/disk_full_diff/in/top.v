OUTFILE gen.v
wire a;
