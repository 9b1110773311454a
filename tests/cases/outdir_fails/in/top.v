OUTDIR x/y
wire a;
