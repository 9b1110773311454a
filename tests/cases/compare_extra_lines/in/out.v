  wire a;
wire b;


extra line

