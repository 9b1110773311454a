module top;
  stage_a a ();
  stage_b b ();
endmodule


