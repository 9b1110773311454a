IFDEF FAST
wire fast_path;
ELSE FAST
wire slow_path;
ENDIF FAST
IFDEF SLOW
wire never;
ENDIF SLOW
IF SIM initial $display("simulation build");
IFDEF TRUE(DEPTH>8)
localparam BIG = 1;
ENDIF TRUE(DEPTH>8)
localparam HAS_FAST = DVAL(FAST), HAS_SLOW = DVAL(SLOW);
VERIFY(EXPR(DEPTH%4)==0) else DEPTH must be a multiple of 4
