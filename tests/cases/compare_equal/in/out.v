  wire a;
wire b;


