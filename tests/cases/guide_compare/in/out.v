wire a;
wire [3:0] b;


