OUTFILE out.v
module m;
  wire [WIDTH-1:0] a; ## remark
IFDEF FAST
  assign a = DEPTH;
ENDIF FAST
endmodule
