assign x = GONCAT(GROUP_axi ,);
assign y = GONCAT.REV(GROUP_axi.WIDTH +);
assign z = {GONCAT(GROUP_axi.IN ,)};
assign n = {GONCAT(GROUP_axi.IN.OUT ,)};
assign w = {GONCAT.REV(r_GROUP_axi_q ,)} | GONCAT(GROUP_axi.id *) | GONCAT.REV(GROUP_axi.IDX ,);
