wire GROUP_bus.SON(id >= 2);
assign sel = GONCAT(GROUP_bus.SON(id!=2) |);
assign lanes = GONCAT(GROUP_bus.lane ,);
reg GROUP_bus.SON(lane == 1);
n = GROUP_bus.SON(id<3).OUT.NUM;
