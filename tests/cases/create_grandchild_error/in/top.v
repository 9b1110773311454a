wire t;
CREATE mid.v
