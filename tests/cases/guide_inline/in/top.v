localparam A = EXPR(2+3*4), B = EXPR(2+(3*4)), C = EXPR(2^10), D = EXPR(7/2);
localparam AW = LOG2(DEPTH), AW_UP = EXPR(LOG2(DEPTH-1)+1);
localparam [EXPR(WIDTH-1):0] R = HEX(EXPR(DEPTH*100) WIDTH), M = BIN(5 WIDTH), O = OCT(8 6);
localparam RAW = HEX(255 8 NOPRE);
localparam PAD = 4'bDUPL(01 2);
// UCASE(fifo) LCASE(Mixed_Case) CONST(DEPTH) words
assign bus = {
  first,
  second,
STOMP ,
};
