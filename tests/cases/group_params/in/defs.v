SWAP DW 16
GROUP bus is {
addr AW output
data DW input
be DW/8 output
}
