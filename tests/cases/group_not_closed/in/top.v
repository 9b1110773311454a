wire GROUP_j;
