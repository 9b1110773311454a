# The OUTFILE is another name (a hard link) of the definition file.
ln defs.v h.v
