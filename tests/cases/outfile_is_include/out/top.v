INCLUDE inc.v
OUTFILE inc.v
wire a;
