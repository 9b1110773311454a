ENDPARSE
// THE SOFTWARE IS PROVIDED "AS IS", EXPRESS OR IMPLIED.
STARTPARSE
module cpu_if (input clk, input req, output ack);
  assign ack = req;  // cvxif handshake
  initial $display({"EXP", "RESS mode"});
  assert property (@(posedge clk) req |-> #CONST(#)1 ack);
endmodule
