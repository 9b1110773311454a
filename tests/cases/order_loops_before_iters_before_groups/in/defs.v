GROUP bus is {
  valid 1 output
  data 8 output
}
