module m;
LOOP i 2
wire w_i;
endmodule
