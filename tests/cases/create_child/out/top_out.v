module top;
endmodule


