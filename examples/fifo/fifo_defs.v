## Sizes and reset values of the register bank and the FIFO.
SWAP WIDTH 8          ## bits per register and per FIFO word
SWAP NREGS 4          ## registers in the bank
SWAP DEPTH 8          ## FIFO words (a power of two)
SWAP RESET_BASE 160   ## reset value of register 0 (0xA0) ...
SWAP RESET_STEP 17    ## ... and the step to the next one (0x11)

## Ranges used by LOOP and ITER in the source.
LOOP RG NREGS
LOOP SLOT DEPTH
