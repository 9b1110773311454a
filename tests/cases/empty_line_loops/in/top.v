wire l_L;
LOOP E 2

x_E
ENDLOOP E
STOMP L l
wire n_N;
ITER E 2

v_E;
assign c = {CONCAT(c_E ,)};

ENDITER E
STOMP N n
