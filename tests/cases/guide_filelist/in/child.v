OUTFILE child.v
wire c;
