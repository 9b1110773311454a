reg [7:0] mem [0:DEPTH-1];
