module stage_b;
  reg [15:0] q;   // LOCAL_ONLY is not handed down
   // fast variant 
endmodule


