n = GROUP_a.NUM;
wire GROUP_a;
