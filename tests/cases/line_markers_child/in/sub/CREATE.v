OUTFILE child_out.v
module child;
endmodule
