module m;
wire HEX_VALUE = 3;
ENDLOOP x
