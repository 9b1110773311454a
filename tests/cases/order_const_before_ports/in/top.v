module pipe (PORTS);
  input clk;
  input [7:0] din;
  CONST(output) reg [7:0] out;
  always @(posedge clk) out <= din;
endmodule
