localparam A = EXPR(1+2*3);
localparam B = EXPR(1+(2*3));
