module aw_master (
  port GROUP_aw,
  input clk
);
endmodule
