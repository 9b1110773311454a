OUTFILE h.v
wire X;
