wire a = W ;; wire b = V ;; wire c;
ENDPARSE
raw W V ;; kept
STARTPARSE
## a remark line
IF D wire d = W;
x <##
gone
##> y = V;
IFNOT D wire e;
wire f;;
tail_without_newline