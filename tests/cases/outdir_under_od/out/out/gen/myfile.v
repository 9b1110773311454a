    wire a;


