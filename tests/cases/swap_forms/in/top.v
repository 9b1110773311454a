wire [WIDTH-1:0] a;
wire [DATA_WIDTH-1:0] b;
msg = "MSG";
len = LEN;
x = JUNKy;
JUNK
after_junk
k = CONST(WIDTH) + WIDTH;
v = VERSION; b = BUILD_NUM;
c = RED GREEN BLUE;
t = TWICE;
CHECK(WIDTH)
CHECK(VERSION)
