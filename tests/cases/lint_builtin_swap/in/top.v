parameter VERSION = 3;
// built by Korvex VERSION
localparam W = EXPR(8-1);
