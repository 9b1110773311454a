`line 2 "sub/CREATE.v" 0
module child;
endmodule


