## The AXI-lite-like bus, declared once, from the master's side.
## Widths are swaps: change them here and every port, wire and
## register follows.
SWAP ADDR_W 8
SWAP DATA_W 32
SWAP STRB_W 4

GROUP axil is {
  awaddr  ADDR_W output
  awvalid 1      output
  awready 1      input
  wdata   DATA_W output
  wstrb   STRB_W output
  wvalid  1      output
  wready  1      input
  bresp   2      input
  bvalid  1      input
  bready  1      output
  araddr  ADDR_W output
  arvalid 1      output
  arready 1      input
  rdata   DATA_W input
  rresp   2      input
  rvalid  1      input
  rready  1      output
}

## The slave sees the same wires with every direction exchanged.
GROUP axil_s inverts axil
