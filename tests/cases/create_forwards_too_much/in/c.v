wire c;
