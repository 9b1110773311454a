GROUP axi is {
awaddr 32 output SON(id 1)
awready 1 input SON(id 2)
user 4 inout SON(id 3)
}
GROUP a is {
m 1 input
}
GROUP ab is {
p 1 input
q 1 input
}
