GROUP x is {
  p 3 input
  q 2 output
  r 1 inout
}
