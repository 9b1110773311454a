SWAP ADDR_W 32
SWAP HOST_BUS GROUP_apb
GROUP apb is {
  paddr CONST(ADDR_W) input
  psel 1 input
  prdata 32 output
}
