wire [W-1:0] WORD;
wire [W-1:0] data_W;
