module m;
endmodule


