wire w_E;

wire y_Y;
    GONE
STOMP Y z
assign v = GONE u_E;

