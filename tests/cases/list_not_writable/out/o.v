wire a;


