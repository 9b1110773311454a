ITER i 2000000000
assign bus = {CONCAT(d_i ,)};
ENDITER i
