OUTFILE child_out.v
wire a; // ELSEWHERE idle
