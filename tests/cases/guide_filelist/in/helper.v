OUTFILE helper.v
wire h;
