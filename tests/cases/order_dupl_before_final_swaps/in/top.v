IFDEF WIDE
assign bus = {DUPL(1'b0, PAD) data};
ELSE WIDE
assign bus = data;
ENDIF WIDE
