GROUP axi is {
awaddr 32 output
awready 1 input
}
