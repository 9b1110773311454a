OUTFILE out_BUILD_NUM.v
wire [EXPR(64/W-1):0] x;
