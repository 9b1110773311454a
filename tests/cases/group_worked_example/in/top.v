module m (
  port GROUP_axi,
  revport GROUP_axi_s,
  input clk);
  wire GROUP_pair;
  assign kinds = GONCAT(GROUP_axi.kind ,);
  assign dirs = GONCAT(GROUP_axi_s.DIR ,);
endmodule
