OUTFILE top_out.v
module top;
CREATE CREATE.v
  wire t;
endmodule
