module beta;
wire [8-1:0] x;
endmodule


