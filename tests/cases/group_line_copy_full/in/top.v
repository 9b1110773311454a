wire GROUP_a;
wire GROUP_a;
wire GROUP_a;
