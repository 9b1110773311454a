(* keep = "TRUE" *) reg r;
IF TRUE(2>1) wire t;
