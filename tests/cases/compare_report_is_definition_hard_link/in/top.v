OUTFILE o.v
wire a;
