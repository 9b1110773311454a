OUTFILE top.v
wire a;
