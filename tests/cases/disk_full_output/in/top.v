wire a;
