localparam D = DEPTH;
