OUTFILE child_BUILD_NUM.v
wire [EXPR(8/W):0] c;
