module m;
  wire [8-1:0] a; 
  assign a = 4;
endmodule


