OUTFILE out.v
  wire a;
wire b;
