GROUP axi is {
awaddr 32 output
awready 1 input
wire_en W inout
spare 0 input
}
