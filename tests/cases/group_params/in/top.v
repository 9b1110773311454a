port GROUP_bus.PARAM(AW 32),
port GROUP_bus,
assign w = GONCAT.REV(GROUP_bus.WIDTH.PARAM(AW 8) +);
wire GROUP_bus[0].PARAM(AW 4).PARAM(addr a_q);
