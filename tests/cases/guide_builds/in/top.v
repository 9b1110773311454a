// build BUILD_NUM
wire [EXPR(WIDTH-1):0] data;
IF FAST wire turbo;
IFDEF TRUE(BUILD_NUM==1)
wire only_in_build_1;
ENDIF TRUE(BUILD_NUM==1)
