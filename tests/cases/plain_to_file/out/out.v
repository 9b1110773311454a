  wire a; 
    assign a = 1;


