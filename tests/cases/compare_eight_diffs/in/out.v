wire v1;
wire v2;
wire v3;
wire v4;
wire v5;
wire v6;
wire v7;
wire v8;
