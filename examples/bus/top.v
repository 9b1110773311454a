## A small Korvex source: the generated Verilog goes to gen/counter.v.
OUTFILE counter.v
<## Everything between the block-remark markers
    is a remark of Korvex, not of Verilog. ##>
module counter (
    input            clk,
    input            rst,
    output reg [7:0] count   ## remarks never reach the output
);
	always @(posedge clk)   // Verilog comments do
		if (rst) count <= 8'd0;;  else count <= count + 8'd1;
endmodule
