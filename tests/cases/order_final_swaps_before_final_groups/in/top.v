module core (
IFDEF DEBUG
  port GROUP_dbg,
ENDIF DEBUG
  port GROUP_core,
  input clk
);
endmodule
