GROUP a is {
x 1 input
y 2 output
}
GROUP j joins {
GROUP a
}
GROUP j extends {
w 1 input
}
