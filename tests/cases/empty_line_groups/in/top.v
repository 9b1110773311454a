wire g_M;
  GONCAT(GROUP_outs.IN ,)
STOMP M m
port GROUP_outs,

STOMP _ -
wire GROUP_outs.IN;
