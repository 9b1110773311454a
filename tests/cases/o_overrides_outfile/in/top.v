OUTDIR made
OUTFILE x.v
wire a;
