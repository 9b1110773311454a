OUTFILE top.v
CREATE child.v
wire t;
