assign a = 8'hFF;
assign b = 32'hDEADBEEF;
assign c = 4'bXZ01;
initial $display("Hello World");
wire [WIDTH-1:0] d = WIDTH'hCAFE;
assign e = 'hFFFF ^ 16'hBEEF;
