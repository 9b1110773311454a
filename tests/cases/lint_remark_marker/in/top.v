assert property (@(posedge clk) req |-> ##1 ack);
assert property (@(posedge clk) req |-> #CONST(#)1 ack);
wire w;  ## a Korvex remark
