module child;
endmodule
