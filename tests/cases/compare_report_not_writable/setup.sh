# The report path is a directory: no report can be written, and none is
# shown as if it had been.
mkdir korvex.diff
