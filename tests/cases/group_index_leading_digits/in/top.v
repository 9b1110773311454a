a = GROUP_x[2-1];
c = GROUP_x[abc];
d = GROUP_x[1abc];
e = GROUP_x[];
f = GROUP_x[-1];
h = GROUP_x[+1];
