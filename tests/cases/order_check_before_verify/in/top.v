CHECK(WIDTH)
VERIFY(EXPR(DEPTH%8)==0) else DEPTH must be a multiple of 8
module fifo;
  reg [WIDTH-1:0] mem [0:DEPTH-1];
endmodule
