assign x = ANAME_1 + UNAME_20 + TNAME_19;
assign y = vNAME + QNAME_16QNAME_16;
wire plain_line_without_any_name;
v = VERSION_BUILD_NUM;
