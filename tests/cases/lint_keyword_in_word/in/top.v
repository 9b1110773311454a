// A keyword inside a name loses its wrapper:
foo #(.CI_FILTER_CONST(2)) u_filter ();
// The same keyword as a directive:
localparam W = CONST(4);
