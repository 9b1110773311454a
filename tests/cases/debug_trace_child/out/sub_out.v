sub 8 3


