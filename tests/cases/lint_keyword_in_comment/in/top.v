module m (input a, output b, output d);
  assign b = a; // CVXIF ready
  IF DEBUG assign d = a;
endmodule
