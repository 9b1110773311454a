LOOP i 2
wire b_i;
ENDLOOP i
LOOP K 2
wire b_K;
ENDLOOP K
