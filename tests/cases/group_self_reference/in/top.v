wire GROUP_r;
x GROUP_p;
