SWAP WIDTH 12
GROUP req is {
  valid 1 output
  addr 32 output
  data 64 output
}
