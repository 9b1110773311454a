GROUP axi is {
  awaddr 32 output
  awready 1 input
  awuser USER_W output SON(kind addr)
}
GROUP axi_s inverts axi
GROUP pair joins {
  GROUP axi.OUT prefix_m0_
  GROUP axi.OUT prefix_m1_
}
