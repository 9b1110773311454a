# The compare report cannot be written.
ln -s /dev/full korvex.diff
