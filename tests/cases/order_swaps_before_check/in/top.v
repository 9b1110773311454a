module fifo_ctrl;
IFDEF FAST
  CHECK(DEPTH)
  localparam AW = LOG2(DEPTH);
ELSE FAST
  CHECK(SLOW_DIV)
  localparam AW = LOG2(DEPTH*SLOW_DIV);
ENDIF FAST
endmodule
