OUTFILE child.v
module top;
endmodule
CREATE child.v
