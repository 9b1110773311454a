  wire a; ## r
	assign a = 1;
