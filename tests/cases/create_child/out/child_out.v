module child;
endmodule


