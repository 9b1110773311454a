initial $display("a\\b");
assign s = a + \\
  b;
