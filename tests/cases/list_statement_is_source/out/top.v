OUTFILE out.v
wire a;
