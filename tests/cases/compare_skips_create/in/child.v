OUTFILE c.v
c
