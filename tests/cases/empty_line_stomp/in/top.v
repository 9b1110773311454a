wire a_E;

<## nothing is left of this line ##>
 
__EMPTY_LINE__
STOMP E x
wire b_EMPTY;

STOMP EMPTY
wire c_;

STOMP _
wire d_LINE_;

STOMP LINE_ L
assign e = p \\

assign f = q +

\\
r;
wire parse_PARSE;
ENDPARSE
  kept PARSE
STARTPARSE
STOMP PARSE
assign g = s \\
