SWAP ID_W 4
IFDEF TRUE(ID_W>0)
GROUP aw is {
  awid ID_W output
  awaddr 32 output
}
ELSE TRUE(ID_W>0)
GROUP aw is {
  awaddr 32 output
}
ENDIF TRUE(ID_W>0)
