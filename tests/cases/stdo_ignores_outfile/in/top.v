OUTFILE x.v
wire a;
