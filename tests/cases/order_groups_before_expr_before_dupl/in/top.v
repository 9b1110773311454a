localparam LAST_REQ = EXPR(GROUP_req.NUM-1);
assign padded = {DUPL(1'b0, EXPR(16-WIDTH)) data};
