OUTFILE out.v
a
CREATE child.v
b
