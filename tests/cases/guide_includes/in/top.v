INCLUDE widths.v
wire [EXPR(ADDR_W-1):0] addr;
wire [EXPR(DATA_W-1):0] data;
