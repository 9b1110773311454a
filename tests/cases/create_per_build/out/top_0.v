wire t;


