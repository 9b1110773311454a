module alpha;
wire [8-1:0] x;
fast
endmodule


