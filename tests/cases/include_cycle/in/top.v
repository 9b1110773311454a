INCLUDE a.v
wire a;
