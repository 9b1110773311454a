OUTFILE top_out.v
wire top;
CREATE sub/child.v
