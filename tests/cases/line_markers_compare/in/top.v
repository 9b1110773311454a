OUTFILE out.v
module m;
IFDEF UNSET
wire x;
ENDIF UNSET
wire y;
endmodule
