`line 2 "top.v" 0
module top;
`line 4 "top.v" 0
  wire t;
endmodule


