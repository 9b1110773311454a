OUTFILE top_BUILD_NUM.v
wire t;
CREATE c.v cdefs.v
