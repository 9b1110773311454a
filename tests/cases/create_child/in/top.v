OUTFILE top_out.v
module top;
CREATE child.v
endmodule
