OUTFILE top_out.v
module top;
endmodule
