OUTDIR gen
OUTFILE top.v
CREATE child.v
CREATE helper.v
