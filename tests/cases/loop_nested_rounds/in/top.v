module tri;
LOOP R 1 3
  LOOP C R
    wire c_R_C;
  ENDLOOP C
ENDLOOP R
LOOP ROW 2
LOOP COL 2
assign x_ROW_COL = y;
ENDLOOP COL
ENDLOOP ROW
endmodule
