INCLUDE inc.v
wire LEAF;
