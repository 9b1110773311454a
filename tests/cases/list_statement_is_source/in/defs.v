LIST top.v
