INCLUDE  defs.v
wire a;
