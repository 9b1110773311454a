wire a_x;
__EMPTY_LINE__
assign e = p  
wire z;

