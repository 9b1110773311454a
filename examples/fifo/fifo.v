## A register bank and a FIFO, sized entirely by fifo_defs.v.
OUTFILE regbank_fifo.v
VERIFY(EXPR(2^LOG2(DEPTH))==DEPTH) else DEPTH must be a power of two
VERIFY(NREGS>1) else the bank needs at least two registers

// Register bank: NREGS registers of WIDTH bits with distinct reset values.
module regbank (PORTS);
  input clk;
  input rst_n;
  input we;
  input [EXPR(LOG2(NREGS)-1):0] addr;
  input [EXPR(WIDTH-1):0] wdata;
  output [EXPR(WIDTH-1):0] rdata;
  output [EXPR(WIDTH*NREGS-1):0] all_regs;

LOOP RG
  // register RG, reset to EXPR(RESET_BASE+(RG*RESET_STEP))
  reg [EXPR(WIDTH-1):0] r_RG;
  always @(posedge clk or negedge rst_n)
    if (!rst_n) r_RG <= HEX(EXPR(RESET_BASE+(RG*RESET_STEP)) WIDTH);
    else if (we && addr == BIN(RG LOG2(NREGS))) r_RG <= wdata;
ENDLOOP RG

ITER RG
  assign all_regs = {CONCAT(r_RG ,)};
ENDITER RG
  assign rdata = all_regs[addr*WIDTH +: WIDTH];
endmodule

ENDPARSE
// The lines of an unparsed region reach the output untouched, so words
// that Korvex would take for directives, like TRUE, ELSE or DEPTH, are safe.
STARTPARSE
// Synchronous FIFO of DEPTH words; each word is a register of its own.
module sync_fifo (PORTS);
  input clk;
  input rst_n;
  input push;
  input [EXPR(WIDTH-1):0] din;
  input pop;
  output [EXPR(WIDTH-1):0] dout;
  output full;
  output empty;
  output [EXPR(WIDTH*DEPTH-1):0] contents;

  reg [EXPR(LOG2(DEPTH)-1):0] wr_ptr;
  reg [EXPR(LOG2(DEPTH)-1):0] rd_ptr;
  reg [LOG2(DEPTH):0] count;

  assign full  = (count == BIN(DEPTH EXPR(LOG2(DEPTH)+1)));
  assign empty = (count == BIN(0 EXPR(LOG2(DEPTH)+1)));

ITER SLOT
  reg [EXPR(WIDTH-1):0] word_SLOT;
  always @(posedge clk) if (push && !full && wr_ptr == BIN(SLOT LOG2(DEPTH))) word_SLOT <= din;
  assign contents = {CONCAT(word_SLOT ,)};
ENDITER SLOT
  assign dout = contents[rd_ptr*WIDTH +: WIDTH];

  always @(posedge clk or negedge rst_n)
    if (!rst_n) begin
      wr_ptr <= BIN(0 LOG2(DEPTH));
      rd_ptr <= BIN(0 LOG2(DEPTH));
      count  <= BIN(0 EXPR(LOG2(DEPTH)+1));
    end else begin
      if (push && !full) wr_ptr <= wr_ptr + BIN(1 LOG2(DEPTH));
      if (pop && !empty) rd_ptr <= rd_ptr + BIN(1 LOG2(DEPTH));
      case ({push && !full, pop && !empty})
        2'b10:   count <= count + BIN(1 EXPR(LOG2(DEPTH)+1));
        2'b01:   count <= count - BIN(1 EXPR(LOG2(DEPTH)+1));
        default: count <= count;
      endcase
    end
endmodule
