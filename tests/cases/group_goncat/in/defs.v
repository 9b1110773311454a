GROUP axi is {
awaddr 32 output SON(id 1)
awready 1 input SON(id 2)
}
