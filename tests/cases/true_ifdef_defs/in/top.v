size = SIZE; extra = EXTRA;
IFDEF TRUE(DEPTH*2==8)
cond_in_source
ENDIF TRUE(DEPTH*2==8)
IF TRUE(DEPTH<3) small_depth;
IF TRUE(DEPTH>3) large_depth;
