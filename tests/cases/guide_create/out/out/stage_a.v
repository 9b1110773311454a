module stage_a;
  reg [7:0] q;   // LOCAL_ONLY is not handed down
   // fast variant 
endmodule


