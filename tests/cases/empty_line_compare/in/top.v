OUTFILE out.v
wire a_E;

STOMP E x
assign e = p \\

wire z;

