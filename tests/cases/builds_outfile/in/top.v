OUTFILE out_BUILD_NUM.v
module NAME;
wire [W-1:0] x;
IFDEF FAST
fast
ENDIF FAST
endmodule
