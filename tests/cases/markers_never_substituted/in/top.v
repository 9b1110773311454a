wire Y;

LOOP k 2

w_k
ENDLOOP k
ITER j 2

v_j;
ENDITER j
ENDPARSE
raw Y
STARTPARSE
CREATE second.v
