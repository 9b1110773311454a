OUTFILE out.v
module m;
  wire [WIDTH-1:0] a; ## remark
IFDEF FAST
  assign a = DEPTH;
ENDIF FAST
LOOP IDX
  wire b_IDX;
ENDLOOP IDX
endmodule
