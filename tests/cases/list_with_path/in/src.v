OUTDIR gen
OUTFILE top.v
CREATE child.v
