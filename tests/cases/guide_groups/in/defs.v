GROUP req is {
  addr  ADDR_W output SON(pri 2)
  data  32     output SON(pri 2)
  valid 1      output SON(pri 1)
  ready 1      input  SON(pri 0)
}
GROUP req_s inverts req
GROUP req extends {
  user  4      output SON(pri 3)
}
GROUP pair joins {
  GROUP req.OUT prefix_a_
  GROUP req[3]  suffix_b
}
