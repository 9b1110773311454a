# The trace cannot be written.
ln -s /dev/full korvex.dbg
