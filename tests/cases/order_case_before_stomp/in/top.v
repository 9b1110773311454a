module uart_tx;
  wire tx_valid_q;
  wire LCASE(TX)_valid;
STOMP tx_valid tx_ready
endmodule
