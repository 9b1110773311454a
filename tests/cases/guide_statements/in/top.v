    assign a = b; ;; assign c = d;
localparam S0 = IDLE, S1 = BUSY, S2 = DONE;
IF FAST   assign speed = 1;
IFNOT FAST   assign speed = 0;
IFNDEF FAST
  assign slow_path = 1;
ENDIF FAST
assign long = first_part + \\
              second_part;
ENDPARSE
   Nothing here is touched: FAST, IDLE, EXPR(1+1);; stay.
STARTPARSE
