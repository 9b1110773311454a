wire GROUP_b;
