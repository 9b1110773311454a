wire [7:0] x;


