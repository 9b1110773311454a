IFDEF UNSET
wire x;
ENDIF UNSET
module m;
endmodule
