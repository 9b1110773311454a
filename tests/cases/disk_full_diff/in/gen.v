wire b;
