ITER k 1 2 3
x_k;
ENDITER k
