# The compare report is another name (a hard link) of the definition file.
ln defs.v korvex.diff
