## A child of soc.v: UNIT and OPCODE come from the DEFCMD statements of
## its CREATE line, DATA_W, VARIANT and PIPELINED from the parent's globals.
CHECK(UNIT)
CHECK(OPCODE)
OUTFILE UNIT.v
// UNIT: operation OPCODE of the VARIANT variant
module UNIT (PORTS);
  input clk;
  input rst_n;
  input [EXPR(DATA_W-1):0] a;
  input [EXPR(DATA_W-1):0] b;
  output [EXPR(DATA_W-1):0] y;

  wire [EXPR(DATA_W-1):0] result;
IFDEF TRUE(OPCODE==0)
  assign result = a + b;
ENDIF TRUE(OPCODE==0)
IFDEF TRUE(OPCODE==1)
  assign result = a - b;
ENDIF TRUE(OPCODE==1)
IFDEF TRUE(OPCODE==2)
  assign result = a ^ b;
ENDIF TRUE(OPCODE==2)

IF PIPELINED   // one cycle of latency
IFNOT PIPELINED   // no latency
IFDEF PIPELINED
  reg [EXPR(DATA_W-1):0] y_q;
  always @(posedge clk or negedge rst_n)
    if (!rst_n) y_q <= {DATA_W{1'b0}};
    else y_q <= result;
  assign y = y_q;
ELSE PIPELINED
  assign y = result;
  // clk and rst_n are only used by the pipelined variant
  wire unused = &{1'b0, clk, rst_n};
ENDIF PIPELINED
endmodule
