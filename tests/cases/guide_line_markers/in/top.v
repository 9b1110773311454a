module top(input a, output [3:0] y);
IFDEF UNSET
  wire dropped;
ELSE UNSET
  wire kept;
ENDIF UNSET

LOOP LANE 2
  assign y[LANE] = a;
  assign y[EXPR(LANE+2)] = ~a;
ENDLOOP LANE
endmodule
