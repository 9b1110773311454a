<## One source, three modules: a master that writes a word and reads it
    back, a four-register slave, and the top that wires them together.
    The bus itself is declared once, in axil_defs.v. ##>
OUTFILE axil_system.v
`timescale 1ns/1ps

// AXI-lite master: on start, writes wr_data to address addr, then reads it back.
module axil_master (PORTS);
  input clk;
  input rst_n;
  input start;
  input [EXPR(ADDR_W-1):0] addr;
  input [EXPR(DATA_W-1):0] wr_data;
  output [EXPR(DATA_W-1):0] rd_data;
  output done;
  output error;
  port GROUP_axil;

  localparam IDLE = 3'd0, WRITE = 3'd1, WRESP = 3'd2, READ = 3'd3, RRESP = 3'd4, DONE = 3'd5;
  reg [2:0] state;
  reg [EXPR(DATA_W-1):0] rd_q;
  reg err_q;

  assign awaddr  = addr;
  assign wdata   = wr_data;
  assign wstrb   = {STRB_W{1'b1}};
  assign awvalid = (state == WRITE);
  assign wvalid  = (state == WRITE);
  assign bready  = (state == WRESP);
  assign araddr  = addr;
  assign arvalid = (state == READ);
  assign rready  = (state == RRESP);
  assign rd_data = rd_q;
  assign done    = (state == DONE);
  assign error   = err_q;

  always @(posedge clk or negedge rst_n)
    if (!rst_n) begin
      state <= IDLE;
      rd_q  <= {DATA_W{1'b0}};
      err_q <= 1'b0;
    end else begin
      case (state)
        IDLE:  if (start) state <= WRITE;
        WRITE: if (awready && wready) state <= WRESP;
        WRESP: if (bvalid) begin
                 err_q <= err_q | (bresp != 2'b00);
                 state <= READ;
               end
        READ:  if (arready) state <= RRESP;
        RRESP: if (rvalid) begin
                 rd_q  <= rdata;
                 err_q <= err_q | (rresp != 2'b00);
                 state <= DONE;
               end
        default: state <= state;
      endcase
    end
endmodule

// AXI-lite slave: four registers at byte addresses 0, 4, 8 and 12.
module axil_slave (PORTS);
  input clk;
  input rst_n;
  port GROUP_axil_s;

  reg [EXPR(DATA_W-1):0] regs [0:3];
  reg              aw_q, b_q, ar_q, r_q;
  reg [EXPR(DATA_W-1):0] rdata_q;
  integer          i;

  wire       aw_fire = awvalid && wvalid && !b_q && !aw_q;
  wire [1:0] wr_idx  = awaddr[3:2];
  wire [1:0] rd_idx  = araddr[3:2];
  // Only the register index is decoded; the other address bits are ignored.
  wire       unused  = &{1'b0, awaddr[ADDR_W-1:4], awaddr[1:0], araddr[ADDR_W-1:4], araddr[1:0]};

  assign awready = aw_q;
  assign wready  = aw_q;
  assign bvalid  = b_q;
  assign bresp   = 2'b00;
  assign arready = ar_q;
  assign rvalid  = r_q;
  assign rdata   = rdata_q;
  assign rresp   = 2'b00;

  always @(posedge clk or negedge rst_n)
    if (!rst_n) begin
      aw_q    <= 1'b0;
      b_q     <= 1'b0;
      ar_q    <= 1'b0;
      r_q     <= 1'b0;
      rdata_q <= {DATA_W{1'b0}};
      for (i = 0; i < 4; i = i + 1) regs[i] <= {DATA_W{1'b0}};
    end else begin
      aw_q <= aw_fire;
      if (aw_fire)
        for (i = 0; i < STRB_W; i = i + 1)
          if (wstrb[i]) regs[wr_idx][i*8 +: 8] <= wdata[i*8 +: 8];
      if (aw_q) b_q <= 1'b1;
      else if (bready) b_q <= 1'b0;
      ar_q <= arvalid && !r_q && !ar_q;
      if (arvalid && !r_q && !ar_q) begin
        rdata_q <= regs[rd_idx];
        r_q     <= 1'b1;
      end else if (rready) r_q <= 1'b0;
    end
endmodule

// The master and the slave joined by one set of bus wires.
module axil_top (PORTS);
  input clk;
  input rst_n;
  input start;
  input [EXPR(ADDR_W-1):0] addr;
  input [EXPR(DATA_W-1):0] wr_data;
  output [EXPR(DATA_W-1):0] rd_data;
  output done;
  output error;
  // every bus signal, for a logic analyser: GROUP_axil.NUM signals
  output [EXPR(GONCAT(GROUP_axil.WIDTH +)-1):0] bus_probe;

  wire GROUP_axil;
  assign bus_probe = {GONCAT(GROUP_axil ,)};

  axil_master master (
    .GROUP_axil(GROUP_axil),
    .start(start), .addr(addr), .wr_data(wr_data),
    .rd_data(rd_data), .done(done), .error(error),
    .clk(clk), .rst_n(rst_n));

  axil_slave slave (
    .clk(clk), .rst_n(rst_n),
    .GROUP_axil(GROUP_axil),
STOMP ,
  );
endmodule
