GROUP a is {
x 1 input
y 2 output
}
