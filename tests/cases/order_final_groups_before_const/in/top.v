module bridge #(
  parameter CONST(ADDR_W) = ADDR_W
) (
  port HOST_BUS,
  input clk
);
endmodule
