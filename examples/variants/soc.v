## The top of the design. Each variant goes into a directory of its own.
OUTDIR VARIANT
OUTFILE soc_top.v
// UCASE(VENDOR) SOC, VARIANT variant (build BUILD_NUM), DATA_W-bit datapath
module soc_top (PORTS);
  input clk;
  input rst_n;
  input [EXPR(DATA_W-1):0] a;
  input [EXPR(DATA_W-1):0] b;
  output [EXPR(DATA_W-1):0] sum;
  output [EXPR(DATA_W-1):0] diff;
  output [EXPR(DATA_W-1):0] mix;
  output pipelined;

  assign pipelined = 1'bDVAL(PIPELINED);

  alu_add u_add (.clk(clk), .rst_n(rst_n), .a(a), .b(b), .y(sum));
  alu_sub u_sub (.clk(clk), .rst_n(rst_n), .a(a), .b(b), .y(diff));
  alu_xor u_xor (.clk(clk), .rst_n(rst_n), .a(a), .b(b), .y(mix));
endmodule
## One child file, alu.v, made three times with different statements.
CREATE alu.v DEFCMD(SWAP UNIT alu_add) DEFCMD(SWAP OPCODE OP_ADD)
CREATE alu.v DEFCMD(SWAP UNIT alu_sub) DEFCMD(SWAP OPCODE OP_SUB)
CREATE alu.v DEFCMD(SWAP UNIT alu_xor) DEFCMD(SWAP OPCODE OP_XOR)
