wire REMOVE_REMARK;
wire remove_remark;
