wire one;


