GROUP a is {
x 1 input
y 2 output
}
GROUP a extends {
z 1 input
}
