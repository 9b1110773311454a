module m;
  wire [8-1:0] a; 
  assign a = 4;
  wire b_0;
  wire b_1;
endmodule


