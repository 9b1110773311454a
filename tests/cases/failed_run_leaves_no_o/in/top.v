wire a;
wire EXPR(1/0);
