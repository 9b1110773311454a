ITER k 2
wire w_k;
ITER k 3
ENDITER k
