wire GROUP_a[1];
wire GROUP_a[2];
