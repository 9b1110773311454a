OUTFILE /dev/full
wire a;
