GROUP a is {
x 1 input
}
GROUP b inverts a
