module m (PORTS);
  input clk;
  input [7:0] d, e;
  port GROUP_axi;
  output reg q;
  wire w;
  task t;
    input x;
  endtask
endmodule
module s (PORTS);
  revport GROUP_axi;
endmodule
module none (PORTS);
endmodule
