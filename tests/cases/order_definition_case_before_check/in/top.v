localparam DIV = 100000000 / BAUD;
