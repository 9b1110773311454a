in_only: GROUP_axi.IN
out_only: GROUP_axi.OUT
neither: GROUP_axi.IN.OUT
second: GROUP_axi[1]
second_in: GROUP_axi[1].OUT
attrs: GROUP_axi.IDX GROUP_axi.WIDTH GROUP_axi.DIR GROUP_axi.id GROUP_axi
count: GROUP_axi.NUM GROUP_a.NUM
count_in: GROUP_axi.IN.NUM
pairs: GROUP_ab <= GROUP_axi.WIDTH;
prefix: assign GROUP_a = GROUP_ab;
