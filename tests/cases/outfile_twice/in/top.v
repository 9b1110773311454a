wire a;
OUTFILE a.v
OUTFILE b.v
