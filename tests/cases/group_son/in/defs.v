GROUP bus is {
addr 32 output SON(id 1) SON(lane 0)
data 64 output SON(id 2) SON(lane 1)
ctl 4 input SON (id 3)
spare 1 input SON(id x)
}
