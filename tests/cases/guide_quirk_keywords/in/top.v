module m;
  wire a;  // ELSEWHERE the bus is idle
endmodule
