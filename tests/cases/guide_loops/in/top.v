LOOP LANE
wire [7:0] lane_LANE;
assign lane_LANE = data[EXPR(LANE*8+7):EXPR(LANE*8)];
ENDLOOP LANE
LOOP row 2
LOOP col row 2
  cell_row_col c_row_col ();
ENDLOOP col
ENDLOOP row
ITER LANE
wire ok_LANE;
// this line stays once
assign all_ok = &{CONCAT(ok_LANE ,)};
assign first_to_last = {CONCAT.REV(ok_LANE ,)};
ENDITER LANE
