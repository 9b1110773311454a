module gamma;
wire [16-1:0] x;
endmodule


