OUTFILE h.v
wire a;
