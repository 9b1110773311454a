localparam A = EXPR(1+2*3);      // (1+2)*3
localparam B = EXPR(1+(2*3));
localparam C = EXPR(2^3);        // power, not exclusive or
localparam D = LOG2(DEPTH-1);    // log2(24) - 1
localparam E = LOG2((DEPTH-1));  // log2(23)
localparam F = EXPR(1-8/2);      // (1-8)/2, rounded down
