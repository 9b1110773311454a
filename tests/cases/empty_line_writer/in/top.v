OUTFILE out.v
module m;
    GONE
    DUPL(x 0)
    __EMPTY_LINE__
    CONST(__EMPTY_LINE__)
    assign e = p \\

    assign f = q;
ENDPARSE
  
__EMPTY_LINE__
STARTPARSE
endmodule
