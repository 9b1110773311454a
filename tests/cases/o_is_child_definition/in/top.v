module top;
endmodule
CREATE child.v child_defs.v
