OUTFILE out.v
wire a;
wire [7:0] b;
