wire [MSB:0] BUS_NAME;           // WIDTH bits
wire DEBUG_ONLYprobe;
// GREETING from Korvex VERSION, build BUILD_NUM
// CONST(WIDTH) keeps its name
