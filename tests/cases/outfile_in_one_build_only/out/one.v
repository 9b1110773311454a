module m;


