port GROUP_axi,
portreg GROUP_axi,
revport GROUP_axi,
revportreg GROUP_axi,
wire GROUP_axi;
input GROUP_axi.IN;
reg GROUP_axi.OUT;
assign GROUP_axi_q = GROUP_axi;
