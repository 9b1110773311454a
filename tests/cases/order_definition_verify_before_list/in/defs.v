SWAP DEPTH 12
VERIFY(EXPR(DEPTH%8)==0) else DEPTH must be a multiple of 8
LIST files.txt
LIST more_files.txt
