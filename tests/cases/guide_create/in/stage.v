CHECK(NAME)
OUTFILE NAME.v
module NAME;
  reg [EXPR(WIDTH-1):0] q;   // LOCAL_ONLY is not handed down
IF FAST   // fast variant
endmodule
