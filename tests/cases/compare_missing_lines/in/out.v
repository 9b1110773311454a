  wire a;
