# A NUL byte in the OUTFILE name: the file would be opened as "a" and listed
# as "a", a NUL byte and "b.v".
printf 'OUTFILE a\000b.v\nwire a;\n' > top.v
