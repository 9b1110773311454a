module m;
x = 1; // ELSE case
endmodule
