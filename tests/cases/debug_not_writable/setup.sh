# The trace cannot be made: its name is taken by a directory.
mkdir korvex.dbg
