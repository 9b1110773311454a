OUTFILE o.v
x;
