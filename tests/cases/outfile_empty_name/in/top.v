OUTFILEx
wire a;
