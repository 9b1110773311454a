OUTFILE out.v
module m (PORTS);
LOOP K 2
  input [EXPR(W-1):0] in_K;
ENDLOOP K
endmodule
