OUTFILE sub_out.v
sub WIDTH DEPTH
