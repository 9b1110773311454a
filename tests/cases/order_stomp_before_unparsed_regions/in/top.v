module core;
  wire rdy_q;
ENDPARSE
  assign rdy = 1'b1;
STARTPARSE
STOMP rdy valid
endmodule
