OUTFILE top_BUILD_NUM.v
wire t;
CREATE sub/child.v
