module adder (PORTS);
  input [7:0] a;
  input [7:0] b;
  LCASE(SUM_DIR) [8:0] sum;
  assign sum = a + b;
endmodule
