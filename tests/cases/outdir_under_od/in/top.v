OUTDIR gen
OUTFILE  my file.v
    wire a;
