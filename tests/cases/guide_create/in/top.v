OUTFILE top.v
module top;
  stage_a a ();
  stage_b b ();
endmodule
CREATE stage.v DEFCMD(SWAP NAME stage_a)
CREATE stage.v DEFCMD(SWAP NAME stage_b) DEFCMD(SWAP WIDTH 16)
