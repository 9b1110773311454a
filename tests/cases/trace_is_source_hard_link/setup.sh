# The trace korvex.dbg is another name (a hard link) of the source.
ln top.v korvex.dbg
