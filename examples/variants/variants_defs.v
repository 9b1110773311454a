## Two variants of one design. Statements outside the BUILD blocks hold
## for both; each BUILD block adds those of one variant. Korvex processes
## soc.v once per block: BUILD_NUM reads 0 in the first and 1 in the second.
INCLUDE common_defs.v
BUILD
  SWAP.GLOBAL VARIANT small ;; SWAP.GLOBAL DATA_W 8
ENDBUILD
BUILD
  SWAP.GLOBAL VARIANT wide
  SWAP.GLOBAL DATA_W 32
  DEFINE.GLOBAL PIPELINED
ENDBUILD
## Each build of soc.v also writes the list of the files it made.
LIST gen/VARIANT_files.lst
