IFDEF DEBUG
GROUP dbg is {
  dbg_state 4 output
}
ENDIF DEBUG
GROUP core is {
  busy 1 output
}
