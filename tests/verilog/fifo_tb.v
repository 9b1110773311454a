// Self-checking testbench for examples/fifo: the register bank comes out of
// reset with its computed values and takes writes; the FIFO returns words in
// order and reports full and empty.
`timescale 1ns/1ps
module fifo_tb;
  reg        clk = 1'b0;
  reg        rst_n = 1'b0;
  reg        we = 1'b0;
  reg  [1:0] addr = 2'd0;
  reg  [7:0] wdata = 8'd0;
  wire [7:0] rdata;
  wire [31:0] all_regs;
  reg        push = 1'b0;
  reg        pop = 1'b0;
  reg  [7:0] din = 8'd0;
  wire [7:0] dout;
  wire       full;
  wire       empty;
  wire [63:0] contents;
  integer    failures = 0;
  integer    k;

  regbank bank (.clk(clk), .rst_n(rst_n), .we(we), .addr(addr), .wdata(wdata),
                .rdata(rdata), .all_regs(all_regs));
  sync_fifo fifo (.clk(clk), .rst_n(rst_n), .push(push), .din(din), .pop(pop),
                  .dout(dout), .full(full), .empty(empty), .contents(contents));

  always #5 clk = ~clk;

  task check(input ok, input [255:0] what);
    if (!ok) begin
      $display("FAIL: %0s", what);
      failures = failures + 1;
    end
  endtask

  initial begin
    @(posedge clk); #1;
    rst_n = 1'b1;
    // Reset values 0xA0 + 0x11 * n from RESET_BASE and RESET_STEP.
    check(all_regs == 32'hD3C2B1A0, "register bank reset values");
    addr = 2'd2; #1;
    check(rdata == 8'hC2, "read of register 2 after reset");
    we = 1'b1; wdata = 8'h5A;
    @(posedge clk); #1;
    we = 1'b0;
    check(rdata == 8'h5A, "register 2 takes a write");
    check(all_regs == 32'hD35AB1A0, "only register 2 changes");

    check(empty && !full, "FIFO empty after reset");
    for (k = 0; k < 8; k = k + 1) begin
      push = 1'b1; din = 8'h10 + k[7:0];
      @(posedge clk); #1;
    end
    push = 1'b0;
    check(full && !empty, "FIFO full after eight pushes");
    for (k = 0; k < 8; k = k + 1) begin
      check(dout == 8'h10 + k[7:0], "FIFO returns words in order");
      pop = 1'b1;
      @(posedge clk); #1;
    end
    pop = 1'b0;
    check(empty && !full, "FIFO empty after eight pops");

    if (failures == 0) $display("PASS: fifo register bank and FIFO behave");
    else $display("FAIL: %0d checks failed", failures);
    $finish;
  end
endmodule
