OUTDIR sub
OUTFILE top_out.v
wire a;
CREATE child.v
