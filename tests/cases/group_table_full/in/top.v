wire GROUP_a;
