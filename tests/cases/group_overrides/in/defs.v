GROUP a is {
x 1 input
}
GROUP a extends {
y 1 input
}
GROUP a overrides {
z 8 output
}
GROUP b inverts a
