OUTFILE child_out.v
wire b;
