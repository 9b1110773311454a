LOOP k 2
wire x_k;
ENDLOOP k
wire [N-1:0] n;
