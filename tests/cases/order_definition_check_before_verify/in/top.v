reg [WIDTH-1:0] mem [0:DEPTH-1];
