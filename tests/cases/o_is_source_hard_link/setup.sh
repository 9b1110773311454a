# The -o file is another name (a hard link) of the source.
ln top.v h.v
