module master (PORTS);
  input clk;
  port GROUP_req;
endmodule
module slave (PORTS);
  input clk;
  port GROUP_req_s;
endmodule
module monitor (PORTS);
  revport GROUP_req.PARAM(ADDR_W 12);
endmodule
  wire GROUP_pair;
  // GROUP_req.NUM members
  // GROUP_req.IN.NUM of them inputs
  assign m_GROUP_req = GROUP_req;
  assign outs = {GONCAT(GROUP_req.OUT ,)};
  assign widths = GONCAT.REV(GROUP_req.WIDTH +);
  // GROUP_req.IDX: GROUP_req is GROUP_req.DIR
  // priorities: GONCAT(GROUP_req.pri ,)
  // urgent: GONCAT(GROUP_req.SON(pri>=2) ,)
