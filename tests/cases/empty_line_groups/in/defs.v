GROUP outs is {
q 8 output
}
GROUP outs overrides {
p 1 output
r 4 output
}
