INCLUDE w.v
wire [W-1:0] x; // V
