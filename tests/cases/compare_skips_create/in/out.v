a
B

