wire a;
ENDPARSE
	EXPR (1+1)  ## gone
## only remark
IF X y;
STARTPARSE
wire b;
