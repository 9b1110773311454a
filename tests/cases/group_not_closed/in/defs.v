GROUP a is {
x 1 input
y 2 output
}
GROUP j joins {
GROUP a.IN
GROUP k joins {
GROUP a.OUT
}
