OUTFILE top.v
CREATE child_src.v
wire t;
