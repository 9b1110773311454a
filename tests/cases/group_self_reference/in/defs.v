GROUP r is {
GROUP_r 8 input
b 1 input
}
GROUP p is {
GROUP_q 1 input
}
GROUP q is {
GROUP_p 1 input
}
