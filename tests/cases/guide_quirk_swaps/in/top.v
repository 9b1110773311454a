wire [EXPR(W-1):0] d;   // WORD and WIDTH both hold a W
assign ADDR_NEXT = ADDR + 1;
