wire GROUP_a;
wire GROUP_b.IN;
