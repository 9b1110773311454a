module alpha;
wire [32-1:0] x;
fast
endmodule


