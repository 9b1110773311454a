  wire a;
wire b; 


