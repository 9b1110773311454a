GROUP a extends {
c 3 input
}
GROUP a is {
b 2 output
}
GROUP a extends {
GROUP a[0] suffix_q
d 4 input
}
