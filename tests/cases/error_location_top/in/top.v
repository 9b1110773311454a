OUTFILE a.v
wire a;
OUTFILE b.v
