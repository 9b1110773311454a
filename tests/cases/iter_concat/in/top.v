ITER k 3
wire w_k;
reg r;
assign {CONCAT(a_k ,)} = {CONCAT.REV(b_k ,)};
assign z = {CONCAT.REV(q_k |)} | {CONCAT(q_k |)};
wire [k:0] kk;
ENDITER k
ITER k 2 4
x_k
ENDITER k
ITER IDX
assign bus = {CONCAT(data_IDX[7:0] ,)};
ENDITER IDX
